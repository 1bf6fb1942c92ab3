#include "document/qapcwexnode.h"

#include "panes/qafreetext.h"

const QAPcWexNode::Shape QAPcWexNode::shape { Type, TextSource::FirstChildLabel, NotExpandable,
                                              NotRenameable, &paneOf<QAFreeText> };

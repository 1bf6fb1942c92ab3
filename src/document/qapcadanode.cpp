#include "document/qapcadanode.h"

#include "panes/qafreetext.h"

const QAPcAdaNode::Shape QAPcAdaNode::shape { Type, TextSource::Label, NotExpandable, NotRenameable,
                                              &paneOf<QAFreeText> };

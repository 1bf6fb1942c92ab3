#include "document/qapcotnode.h"

#include "panes/qafreetext.h"

const QAPcOtNode::Shape QAPcOtNode::shape { Type, TextSource::Label, NotExpandable, NotRenameable,
                                            &paneOf<QAFreeText> };

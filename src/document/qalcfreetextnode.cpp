#include "document/qalcfreetextnode.h"

#include "panes/qafreetext.h"

const QALCFreeTextNode::Shape QALCFreeTextNode::shape { Type, TextSource::Label, NotExpandable,
                                                        NotRenameable, &paneOf<QAFreeText> };

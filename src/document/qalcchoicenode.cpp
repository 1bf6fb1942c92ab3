#include "document/qalcchoicenode.h"

#include "panes/qachoiceviewer.h"

const QALCChoiceNode::Shape QALCChoiceNode::shape { Type, TextSource::Label, NotExpandable,
                                                    NotRenameable, &paneOf<QAChoiceViewer> };

#include "document/qalcitemnode.h"

#include "panes/qaitemviewer.h"

const QALCItemNode::Shape QALCItemNode::shape { Type, TextSource::Label, NotExpandable,
                                                NotRenameable, &paneOf<QAItemViewer> };

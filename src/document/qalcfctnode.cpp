#include "document/qalcfctnode.h"

#include "panes/qafctviewer.h"

const QALCFctNode::Shape QALCFctNode::shape { Type, TextSource::Label, NotExpandable, NotRenameable,
                                              &paneOf<QAFctViewer> };

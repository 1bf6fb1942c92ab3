#include "document/qaperlnode.h"

#include "panes/qafctviewer.h"

const QAPerlNode::Shape QAPerlNode::shape { Type, TextSource::Label, NotExpandable, NotRenameable,
                                            &paneOf<QAFctViewer> };

QMenu *QAPerlNode::setupPopupMenu()
{
    return treeMenu(&addAppendMenu);
}

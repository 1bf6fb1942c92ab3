#include "document/qalcitemnode.h"

void QALCItemNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCItemNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAItemViewer
    return nullptr;
}

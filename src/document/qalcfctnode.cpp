#include "document/qalcfctnode.h"

void QALCFctNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCFctNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFctViewer
    return nullptr;
}

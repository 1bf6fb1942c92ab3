#include "document/qapcadanode.h"

void QAPcAdaNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAPcAdaNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFreeText
    return nullptr;
}

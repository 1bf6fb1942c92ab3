#include "document/qapcotnode.h"

void QAPcOtNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAPcOtNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFreeText
    return nullptr;
}

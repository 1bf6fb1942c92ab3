#include "document/qalcchoicenode.h"

void QALCChoiceNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCChoiceNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAChoiceViewer
    return nullptr;
}

#include "document/qaissettingsnode.h"

void QAIsSettingsNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAIsSettingsNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAIsViewer
    return nullptr;
}

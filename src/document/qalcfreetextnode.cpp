#include "document/qalcfreetextnode.h"

void QALCFreeTextNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCFreeTextNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFreeText
    return nullptr;
}

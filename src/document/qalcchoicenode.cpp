#include "document/qalcchoicenode.h"

#include "panes/qachoiceviewer.h"
void QALCChoiceNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCChoiceNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAChoiceViewer(data(), parent, docBrowser);
}

#include "document/qapcotnode.h"

#include "panes/qafreetext.h"
void QAPcOtNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAPcOtNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

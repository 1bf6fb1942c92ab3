#include "document/qapcadanode.h"

#include "panes/qafreetext.h"
void QAPcAdaNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAPcAdaNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

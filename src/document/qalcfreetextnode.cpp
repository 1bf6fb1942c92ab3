#include "document/qalcfreetextnode.h"

#include "panes/qafreetext.h"
void QALCFreeTextNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCFreeTextNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

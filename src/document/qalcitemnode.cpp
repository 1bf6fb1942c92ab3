#include "document/qalcitemnode.h"

#include "panes/qaitemviewer.h"
void QALCItemNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCItemNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAItemViewer(data(), parent, docBrowser);
}

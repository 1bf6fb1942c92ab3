#include "document/qalcfctnode.h"

#include "panes/qafctviewer.h"
void QALCFctNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QALCFctNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFctViewer(data(), parent, docBrowser);
}

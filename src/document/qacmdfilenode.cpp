#include "document/qacmdfilenode.h"

#include "panes/qafreetext.h"

QAZynViewer *QACmdFileNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

void QACmdFileNode::startRename(int column)
{
    startNameEdit(column);
}

void QACmdFileNode::okRename(int column)
{
    acceptNameEdit(column);
}

void QACmdFileNode::cancelRename(int column)
{
    cancelNameEdit(column);
}

QMenu *QACmdFileNode::setupPopupMenu()
{
    return carriedFileMenu();
}

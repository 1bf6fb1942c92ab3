#include "document/qabinfilenode.h"

#include "panes/qacommentviewer.h"

QAZynViewer *QABinFileNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

void QABinFileNode::startRename(int column)
{
    startNameEdit(column);
}

void QABinFileNode::okRename(int column)
{
    acceptNameEdit(column);
}

void QABinFileNode::cancelRename(int column)
{
    cancelNameEdit(column);
}

QMenu *QABinFileNode::setupPopupMenu()
{
    return carriedFileMenu();
}

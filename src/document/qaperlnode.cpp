#include "document/qaperlnode.h"

#include "document/qazyneditortree.h"
#include "panes/qafctviewer.h"

#include <QMenu>

QAZynViewer *QAPerlNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFctViewer(data(), parent, docBrowser);
}

QMenu *QAPerlNode::setupPopupMenu()
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    addAppendMenu(menu, tree);
    return menu;
}

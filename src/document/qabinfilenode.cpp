#include "document/qabinfilenode.h"

#include "document/qazyneditortree.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

void QABinFileNode::setUp()
{
    QAZynEditorNode::setUp(nameText(), NotExpandable, Renameable);
}

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
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    addAppendMenu(menu, tree);
    menu->addSeparator();
    QObject::connect(menu->addAction(QCoreApplication::translate("QABuildNode", "&Delete")),
                     &QAction::triggered, tree, &QAZynEditorTree::deleteSelectedNode);
    QObject::connect(menu->addAction(QCoreApplication::translate("QABuildNode", "&Rename")),
                     &QAction::triggered, tree, &QAZynEditorTree::startEdit);
    return menu;
}

#include "document/qarootnode.h"

#include "document/qazyneditortree.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

QAZynViewer *QARootNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

void QARootNode::startRename(int column)
{
    startNameEdit(column);
}

void QARootNode::okRename(int column)
{
    acceptNameEdit(column);
}

void QARootNode::cancelRename(int column)
{
    cancelNameEdit(column);
}

QMenu *QARootNode::setupPopupMenu()
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    QObject::connect(
        menu->addAction(QCoreApplication::translate("QARootNode", "&Rename", "popup menu")),
        &QAction::triggered, tree, &QAZynEditorTree::startEdit);
    return menu;
}

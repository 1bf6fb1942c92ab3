#include "document/qacmdfilenode.h"

#include "document/qazyneditortree.h"
#include "panes/qafreetext.h"

#include <QCoreApplication>
#include <QMenu>

void QACmdFileNode::setUp()
{
    QAZynEditorNode::setUp(nameText(), NotExpandable, Renameable);
}

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

#include "document/qarootnode.h"

#include "document/qazyneditortree.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

const QARootNode::Shape QARootNode::shape { RootType, TextSource::Name, Expandable, Renameable,
                                            &paneOf<QACommentViewer> };

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

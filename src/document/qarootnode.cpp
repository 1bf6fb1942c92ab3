#include "document/qarootnode.h"

#include "document/qazyneditortree.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

const QARootNode::Shape QARootNode::shape { RootType, TextSource::Name, Expandable, Renameable,
                                            &paneOf<QACommentViewer> };

QMenu *QARootNode::setupPopupMenu()
{
    return treeMenu([](QMenu *menu, QAZynEditorTree *tree) {
        addTreeAction(menu, QCoreApplication::translate("QARootNode", "&Rename", "popup menu"),
                      tree, &QAZynEditorTree::startEdit);
    });
}

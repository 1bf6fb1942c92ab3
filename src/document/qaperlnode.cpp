#include "document/qaperlnode.h"

#include "document/qazyneditortree.h"
#include "panes/qafctviewer.h"

#include <QMenu>

const QAPerlNode::Shape QAPerlNode::shape { Type, TextSource::Label, NotExpandable, NotRenameable,
                                            &paneOf<QAFctViewer> };

QMenu *QAPerlNode::setupPopupMenu()
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    addAppendMenu(menu, tree);
    return menu;
}

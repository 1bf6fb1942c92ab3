#include "document/qaperlnode.h"

#include "document/qazyneditortree.h"

#include <QMenu>

void QAPerlNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAPerlNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFctViewer
    return nullptr;
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

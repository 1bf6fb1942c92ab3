#include "document/zyntreebuilder.h"

#include "document/qazyneditornode.h"
#include "document/zynformat.h"

#include <QTreeWidget>

// Interim builder: the root node only, until the node kinds arrive.
bool buildZynTree(QTreeWidget *tree, QDomElement &root)
{
    if (root.tagName() != Zyn::Tag::Root)
        return false;
    auto *node = new QAZynEditorNode(tree, root, QAZynEditorNode::RootType);
    node->setText(0, root.attribute(Zyn::Attr::Name));
    node->setExpanded(true);
    return true;
}

// The structure tree following its document: nodes come and go and change their names as the
// document does, whoever changed it (an edit, an undo, a redo).
#include "document/qabinfilenode.h"
#include "document/qacmdfilenode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"

#include <QTreeWidgetItemIterator>

QAZynEditorNode *QAZynEditorTree::nodeOf(const QDomElement &element) const
{
    if (element.isNull())
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<QAZynEditorTree *>(this)); *it; ++it) {
        QAZynEditorNode *node = zynNode(*it);
        if (node && node->data() == element)
            return node;
    }
    return nullptr;
}

QAZynEditorNode *QAZynEditorTree::nodeFor(const QDomElement &element) const
{
    for (QDomElement e = element; !e.isNull(); e = e.parentNode().toElement()) {
        if (QAZynEditorNode *node = nodeOf(e))
            return node;
    }
    return nullptr;
}

void QAZynEditorTree::elementInserted(const QDomElement &element)
{
    const QString tag = element.tagName();
    if (tag != Zyn::Tag::NewCmdFile && tag != Zyn::Tag::NewBinFile)
        return;
    QAZynEditorNode *parentNode = nodeOf(element.parentNode().toElement());
    if (!parentNode)
        return;
    // After the node of the nearest element before it that has one; first when none has.
    QTreeWidgetItem *after = nullptr;
    for (QDomElement e = element.previousSiblingElement(); !e.isNull() && !after;
         e = e.previousSiblingElement()) {
        QAZynEditorNode *node = nodeOf(e);
        if (node && node->parent() == parentNode)
            after = node;
    }
    if (tag == Zyn::Tag::NewCmdFile)
        new QACmdFileNode(parentNode, after, element);
    else
        new QABinFileNode(parentNode, after, element);
}

void QAZynEditorTree::elementAboutToBeRemoved(const QDomElement &element)
{
    QAZynEditorNode *node = nodeOf(element);
    QTreeWidgetItem *parent = node ? node->parent() : nullptr;
    if (!parent)
        return;
    if (renamingItem() == node)
        cancelRename();
    const int row = parent->indexOfChild(node);
    if (node == currentItem()) {
        // Move on before the node goes, so that nobody is shown a node being deleted.
        QTreeWidgetItem *next = parent->child(row + 1);
        setCurrentItem(next ? next : itemAbove(node));
    }
    std::unique_ptr<QTreeWidgetItem> removed(parent->takeChild(row));
}

void QAZynEditorTree::elementChanged(const QDomElement &element, const QString &name)
{
    if (name != Zyn::Attr::Name)
        return;
    QAZynEditorNode *node = nodeOf(element);
    if (!node || renamingItem() == node)
        return;
    switch (node->type()) {
    case QAZynEditorNode::RootType:
    case QAZynEditorNode::TextFileType:
    case QAZynEditorNode::BinaryFileType:
        node->setText(0, element.attribute(Zyn::Attr::Name));
        break;
    default:
        break;
    }
}

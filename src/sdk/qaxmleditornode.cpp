#include "sdk/qaxmleditornode.h"

#include <QTreeWidget>

// Top-level items are the children of the view's invisible root. Without a preceding item the
// new one goes first.
QAXmlEditorNode::QAXmlEditorNode(QTreeWidget *view, const QDomElement &element, int type)
    : QAXmlEditorNode(view, nullptr, element, type)
{ }

QAXmlEditorNode::QAXmlEditorNode(QTreeWidget *view, QTreeWidgetItem *after,
                                 const QDomElement &element, int type)
    : QAXmlEditorNode(view ? view->invisibleRootItem() : nullptr, after, element, type)
{ }

QAXmlEditorNode::QAXmlEditorNode(QTreeWidgetItem *parent, const QDomElement &element, int type)
    : QAXmlEditorNode(parent, nullptr, element, type)
{ }

QAXmlEditorNode::QAXmlEditorNode(QTreeWidgetItem *parent, QTreeWidgetItem *after,
                                 const QDomElement &element, int type)
    : QTreeWidgetItem(type)
    , m_element(element)
{
    if (parent)
        parent->insertChild(after ? parent->indexOfChild(after) + 1 : 0, this);
}

QAXmlEditorNode::~QAXmlEditorNode() = default;

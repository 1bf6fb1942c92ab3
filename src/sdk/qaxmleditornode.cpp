#include "sdk/qaxmleditornode.h"

#include <QTreeWidget>

QAXmlEditorNode::QAXmlEditorNode(QTreeWidget *view, const QDomElement &element, int type)
    : QTreeWidgetItem(type)
    , m_element(element)
{
    if (view)
        view->insertTopLevelItem(0, this);
}

QAXmlEditorNode::QAXmlEditorNode(QTreeWidget *view, QTreeWidgetItem *after,
                                 const QDomElement &element, int type)
    : QTreeWidgetItem(type)
    , m_element(element)
{
    if (view)
        view->insertTopLevelItem(after ? view->indexOfTopLevelItem(after) + 1 : 0, this);
}

QAXmlEditorNode::QAXmlEditorNode(QTreeWidgetItem *parent, const QDomElement &element, int type)
    : QTreeWidgetItem(type)
    , m_element(element)
{
    if (parent)
        parent->insertChild(0, this);
}

QAXmlEditorNode::QAXmlEditorNode(QTreeWidgetItem *parent, QTreeWidgetItem *after,
                                 const QDomElement &element, int type)
    : QTreeWidgetItem(type)
    , m_element(element)
{
    if (parent)
        parent->insertChild(after ? parent->indexOfChild(after) + 1 : 0, this);
}

QAXmlEditorNode::~QAXmlEditorNode() = default;

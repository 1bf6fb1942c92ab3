#pragma once

#include "document/qazyneditornode.h"

// The four construction forms of every node kind, written once. Kind states
// what differs in a static constexpr Shape named shape; each form places the
// item (without a preceding item, first) and then gives it that shape. No form
// takes another node, and copying is deleted, so nothing here can act as the
// copy constructor that QTreeWidgetItem would allow.
template<typename Kind> class QAZynNodeKind : public QAZynEditorNode
{
public:
    QAZynNodeKind(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    QAZynNodeKind(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    QAZynNodeKind(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    QAZynNodeKind(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    QAZynNodeKind(const QAZynNodeKind &) = delete;
    QAZynNodeKind &operator=(const QAZynNodeKind &) = delete;
};

#pragma once

#include "document/qazyneditornode.h"

#include <type_traits>

// The construction forms of every node kind, written once. Kind states what differs in a static
// Shape named shape, defined beside its code; each form places the item (under a view or an item,
// after a given item or, without one, first) and then gives it that shape. Every form takes an
// element after the place, never another node, and copying is deleted, so none of them can act as
// the copy constructor that QTreeWidgetItem would allow.
template<typename Kind> class QAZynNodeKind : public QAZynEditorNode
{
    template<typename Place>
    using IfPlace = std::enable_if_t<
        std::is_convertible_v<Place *,
                              QTreeWidget *> || std::is_convertible_v<Place *, QTreeWidgetItem *>>;

public:
    template<typename Place, typename = IfPlace<Place>>
    QAZynNodeKind(Place *place, const QDomElement &element)
        : QAZynEditorNode(place, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    template<typename Place, typename = IfPlace<Place>>
    QAZynNodeKind(Place *place, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(place, after, element, Kind::shape.type)
    {
        setUp(Kind::shape);
    }
    QAZynNodeKind(const QAZynNodeKind &) = delete;
    QAZynNodeKind &operator=(const QAZynNodeKind &) = delete;
};

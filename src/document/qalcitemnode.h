#pragma once

#include "document/qazynnodekind.h"

// An item element: a list of macros.
class QALCItemNode : public QAZynNodeKind<QALCItemNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

#pragma once

#include "document/qazynnodekind.h"

// A choice element: a selector between variants.
class QALCChoiceNode : public QAZynNodeKind<QALCChoiceNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

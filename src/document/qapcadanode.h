#pragma once

#include "document/qazynnodekind.h"

// A parser element of the parser container other than PC_WEX and PC_EDG.
class QAPcAdaNode : public QAZynNodeKind<QAPcAdaNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

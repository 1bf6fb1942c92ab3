#pragma once

#include "document/qazynnodekind.h"

// A function element of the library configuration.
class QALCFctNode : public QAZynNodeKind<QALCFctNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

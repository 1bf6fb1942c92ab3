#pragma once

#include "document/qazynnodekind.h"

// A free-text element of the library configuration.
class QALCFreeTextNode : public QAZynNodeKind<QALCFreeTextNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

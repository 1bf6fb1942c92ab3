#pragma once

#include "document/qazynnodekind.h"

// A front end option file (PCOPP, PCHPP) inside PC_EDG.
class QAPcOtNode : public QAZynNodeKind<QAPcOtNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

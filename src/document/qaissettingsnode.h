#pragma once

#include "document/qazynnodekind.h"

// One language's basic settings (IS_C ... IS_ALL).
class QAIsSettingsNode : public QAZynNodeKind<QAIsSettingsNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;
};

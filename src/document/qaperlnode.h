#pragma once

#include "document/qazynnodekind.h"

// One build step, a Perl function.
class QAPerlNode : public QAZynNodeKind<QAPerlNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    QMenu *setupPopupMenu() override;
};

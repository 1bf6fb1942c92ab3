#pragma once

#include "document/qazynnodekind.h"

// The document's root element ZYN; its text is the port's name.
class QARootNode : public QAZynNodeKind<QARootNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    QMenu *setupPopupMenu() override;
};

#pragma once

#include "document/qazynnodekind.h"

// A carried binary file NEWBINFILE.
class QABinFileNode : public QAZynNodeKind<QABinFileNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    QMenu *setupPopupMenu() override;
};

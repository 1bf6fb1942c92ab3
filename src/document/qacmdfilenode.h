#pragma once

#include "document/qazynnodekind.h"

// A carried text file NEWCMDFILE.
class QACmdFileNode : public QAZynNodeKind<QACmdFileNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    QMenu *setupPopupMenu() override;
};

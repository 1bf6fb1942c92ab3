#pragma once

#include "document/qazynnodekind.h"

// The C/C++ front end parser PC_EDG.
class QAPcEdgNode : public QAZynNodeKind<QAPcEdgNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

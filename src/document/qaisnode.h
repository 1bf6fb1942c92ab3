#pragma once

#include "document/qazynnodekind.h"

// The basic settings group IS.
class QAIsNode : public QAZynNodeKind<QAIsNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

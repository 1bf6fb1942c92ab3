#pragma once

#include "document/qazynnodekind.h"

// A group section of the library configuration.
class QALCCommentNode : public QAZynNodeKind<QALCCommentNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

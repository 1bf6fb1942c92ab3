#pragma once

#include "document/qazynnodekind.h"

// A sub-group inside a group section.
class QALCComment2Node : public QAZynNodeKind<QALCComment2Node>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

#pragma once

#include "document/qazynnodekind.h"

// The build group BUILD: build steps and carried files.
class QABuildNode : public QAZynNodeKind<QABuildNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QMenu *setupPopupMenu() override;
};

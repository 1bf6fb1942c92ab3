#pragma once

#include "document/qazynnodekind.h"

// The build group BUILD: build steps and carried files.
class QABuildNode : public QAZynNodeKind<QABuildNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
};

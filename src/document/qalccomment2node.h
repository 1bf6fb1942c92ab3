#pragma once

#include "document/qazynnodekind.h"

// A sub-group inside a group section.
class QALCComment2Node : public QAZynNodeKind<QALCComment2Node>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

#pragma once

#include "document/qazynnodekind.h"

// A group section of the library configuration.
class QALCCommentNode : public QAZynNodeKind<QALCCommentNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

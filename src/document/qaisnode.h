#pragma once

#include "document/qazynnodekind.h"

// The basic settings group IS.
class QAIsNode : public QAZynNodeKind<QAIsNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

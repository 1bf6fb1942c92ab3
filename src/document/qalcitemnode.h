#pragma once

#include "document/qazynnodekind.h"

// An item element: a list of macros.
class QALCItemNode : public QAZynNodeKind<QALCItemNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

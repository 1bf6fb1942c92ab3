#pragma once

#include "document/qazynnodekind.h"

// A choice element: a selector between variants.
class QALCChoiceNode : public QAZynNodeKind<QALCChoiceNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

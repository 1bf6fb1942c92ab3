#pragma once

#include "document/qazynnodekind.h"

// One build step, a Perl function.
class QAPerlNode : public QAZynNodeKind<QAPerlNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
};

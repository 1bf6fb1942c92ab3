#pragma once

#include "document/qazynnodekind.h"

// A parser element of the parser container other than PC_WEX and PC_EDG.
class QAPcAdaNode : public QAZynNodeKind<QAPcAdaNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

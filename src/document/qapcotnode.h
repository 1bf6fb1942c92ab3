#pragma once

#include "document/qazynnodekind.h"

// A front end option file (PCOPP, PCHPP) inside PC_EDG.
class QAPcOtNode : public QAZynNodeKind<QAPcOtNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

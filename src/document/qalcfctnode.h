#pragma once

#include "document/qazynnodekind.h"

// A function element of the library configuration.
class QALCFctNode : public QAZynNodeKind<QALCFctNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

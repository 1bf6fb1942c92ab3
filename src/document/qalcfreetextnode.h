#pragma once

#include "document/qazynnodekind.h"

// A free-text element of the library configuration.
class QALCFreeTextNode : public QAZynNodeKind<QALCFreeTextNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

#pragma once

#include "document/qazynnodekind.h"

// One language's basic settings (IS_C ... IS_ALL).
class QAIsSettingsNode : public QAZynNodeKind<QAIsSettingsNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

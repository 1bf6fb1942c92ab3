#pragma once

#include "document/qazynnodekind.h"

// The JVMPI customisation section CUSTOMJVMPI.
class QAJvmpiCustom : public QAZynNodeKind<QAJvmpiCustom>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

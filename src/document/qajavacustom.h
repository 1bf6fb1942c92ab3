#pragma once

#include "document/qazynnodekind.h"

// The Java customisation section CUSTOMJAVA.
class QAJavaCustom : public QAZynNodeKind<QAJavaCustom>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, NotExpandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

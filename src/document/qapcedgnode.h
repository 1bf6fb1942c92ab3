#pragma once

#include "document/qazynnodekind.h"

// The C/C++ front end parser PC_EDG.
class QAPcEdgNode : public QAZynNodeKind<QAPcEdgNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

#pragma once

#include "document/qazynnodekind.h"

// The parser configuration group PARSERCONF.
class QAParserNode : public QAZynNodeKind<QAParserNode>
{
public:
    static constexpr Shape shape { Type, TextSource::Label, Expandable, NotRenameable };
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
};

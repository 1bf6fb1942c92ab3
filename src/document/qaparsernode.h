#pragma once

#include "document/qazynnodekind.h"

// The parser configuration group PARSERCONF.
class QAParserNode : public QAZynNodeKind<QAParserNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

#pragma once

#include "document/qazynnodekind.h"

// The source analysis parser PC_WEX. It stands for its first child element, which carries the
// label and the settings text.
class QAPcWexNode : public QAZynNodeKind<QAPcWexNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    // The first child element of PC_WEX; null when PC_WEX does not start with an element.
    QDomElement data() const override { return m_element.firstChild().toElement(); }
};

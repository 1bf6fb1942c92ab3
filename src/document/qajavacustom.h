#pragma once

#include "document/qazynnodekind.h"

// The Java customisation section CUSTOMJAVA.
class QAJavaCustom : public QAZynNodeKind<QAJavaCustom>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

#pragma once

#include "document/qazynnodekind.h"

// The JVMPI customisation section CUSTOMJVMPI.
class QAJvmpiCustom : public QAZynNodeKind<QAJvmpiCustom>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
};

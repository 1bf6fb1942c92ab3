#pragma once

#include "document/qazynnodekind.h"

// The runtime library group LIBCONF; its sections come from one language variant.
class QALibConfNode : public QAZynNodeKind<QALibConfNode>
{
public:
    static const Shape shape;
    using QAZynNodeKind::QAZynNodeKind;

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;

    // The one language variant whose sections are shown: LIBCONFC, else LIBCONFA, else
    // LIBCONFJAVA; null when there is none.
    static QDomElement languageVariant(const QDomElement &libConf);
    // The node of a section of the given kind, placed under parent after `after`; null (with a
    // diagnostic) for a kind without a class.
    static QAZynEditorNode *createSection(int kind, QTreeWidgetItem *parent, QTreeWidgetItem *after,
                                          const QDomElement &element);
};

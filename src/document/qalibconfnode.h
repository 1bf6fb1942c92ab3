#pragma once

#include "document/qazyneditornode.h"

// The runtime library group LIBCONF; its sections come from one language variant.
class QALibConfNode : public QAZynEditorNode
{
public:
    QALibConfNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QALibConfNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QALibConfNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QALibConfNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

    // The one language variant whose sections are shown: LIBCONFC, else LIBCONFA, else
    // LIBCONFJAVA; null when there is none.
    static QDomElement languageVariant(const QDomElement &libConf);
    // The node of a section of the given kind, placed under parent after `after`; null (with a
    // diagnostic) for a kind without a class.
    static QAZynEditorNode *createSection(int kind, QTreeWidgetItem *parent, QTreeWidgetItem *after,
                                          const QDomElement &element);

private:
    void setUp();
};

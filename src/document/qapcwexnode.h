#pragma once

#include "document/qazyneditornode.h"

// The source analysis parser PC_WEX. It stands for its first child element, which carries the
// label and the settings text.
class QAPcWexNode : public QAZynEditorNode
{
public:
    QAPcWexNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QAPcWexNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QAPcWexNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QAPcWexNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    // The first child element of PC_WEX; null when PC_WEX does not start with an element.
    QDomElement data() const override { return m_settingsElement; }
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();

    QDomElement m_settingsElement;
};

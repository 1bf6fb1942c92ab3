#pragma once

#include "document/qazyneditornode.h"

// A sub-group inside a group section.
class QALCComment2Node : public QAZynEditorNode
{
public:
    QALCComment2Node(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QALCComment2Node(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QALCComment2Node(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QALCComment2Node(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

#pragma once

#include "document/qazyneditornode.h"

// The C/C++ front end parser PC_EDG.
class QAPcEdgNode : public QAZynEditorNode
{
public:
    QAPcEdgNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QAPcEdgNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QAPcEdgNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QAPcEdgNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

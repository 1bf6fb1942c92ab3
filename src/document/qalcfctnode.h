#pragma once

#include "document/qazyneditornode.h"

// A function element of the library configuration.
class QALCFctNode : public QAZynEditorNode
{
public:
    QALCFctNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QALCFctNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QALCFctNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QALCFctNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

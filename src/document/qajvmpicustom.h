#pragma once

#include "document/qazyneditornode.h"

// The JVMPI customisation section CUSTOMJVMPI.
class QAJvmpiCustom : public QAZynEditorNode
{
public:
    QAJvmpiCustom(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QAJvmpiCustom(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QAJvmpiCustom(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QAJvmpiCustom(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    bool buildChild(QTreeWidgetItem *parent, QDomElement &element) override;
    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

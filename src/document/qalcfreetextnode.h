#pragma once

#include "document/qazyneditornode.h"

// A free-text element of the library configuration.
class QALCFreeTextNode : public QAZynEditorNode
{
public:
    QALCFreeTextNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QALCFreeTextNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QALCFreeTextNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QALCFreeTextNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

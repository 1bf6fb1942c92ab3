#pragma once

#include "document/qazyneditornode.h"

// One language's basic settings (IS_C ... IS_ALL).
class QAIsSettingsNode : public QAZynEditorNode
{
public:
    QAIsSettingsNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element)
    {
        setUp();
    }
    QAIsSettingsNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element)
    {
        setUp();
    }
    QAIsSettingsNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element)
    {
        setUp();
    }
    QAIsSettingsNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element)
    {
        setUp();
    }

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;

private:
    void setUp();
};

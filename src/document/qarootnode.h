#pragma once

#include "document/qazyneditornode.h"

// The document's root element ZYN; its text is the port's name.
class QARootNode : public QAZynEditorNode
{
public:
    QARootNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element, RootType)
    {
        setUp();
    }
    QARootNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element, RootType)
    {
        setUp();
    }
    QARootNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element, RootType)
    {
        setUp();
    }
    QARootNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element, RootType)
    {
        setUp();
    }

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
    void startRename(int column) override;
    void okRename(int column) override;
    void cancelRename(int column) override;

private:
    void setUp();
};

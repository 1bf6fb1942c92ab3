#pragma once

#include "document/qazyneditornode.h"

// A carried text file NEWCMDFILE.
class QACmdFileNode : public QAZynEditorNode
{
public:
    QACmdFileNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element, TextFileType)
    {
        setUp();
    }
    QACmdFileNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element, TextFileType)
    {
        setUp();
    }
    QACmdFileNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element, TextFileType)
    {
        setUp();
    }
    QACmdFileNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element, TextFileType)
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

#pragma once

#include "document/qazyneditornode.h"

// A carried binary file NEWBINFILE.
class QABinFileNode : public QAZynEditorNode
{
public:
    QABinFileNode(QTreeWidget *view, const QDomElement &element)
        : QAZynEditorNode(view, element, BinaryFileType)
    {
        setUp();
    }
    QABinFileNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(view, after, element, BinaryFileType)
    {
        setUp();
    }
    QABinFileNode(QTreeWidgetItem *parent, const QDomElement &element)
        : QAZynEditorNode(parent, element, BinaryFileType)
    {
        setUp();
    }
    QABinFileNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element)
        : QAZynEditorNode(parent, after, element, BinaryFileType)
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

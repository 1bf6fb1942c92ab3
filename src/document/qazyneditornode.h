#pragma once

#include "sdk/qaxmleditornode.h"

class QAZynDocBrowser;
class QAZynViewer;
class QWidget;

// Base of every node of the structure tree.
class QAZynEditorNode : public QAXmlEditorNode
{
public:
    // Item types that tell the renameable kinds apart.
    enum { RootType = 1000, TextFileType = 2000, BinaryFileType = 3000 };

    using QAXmlEditorNode::QAXmlEditorNode;

    // Creates the child nodes from the element's children, under parent (this node when null).
    virtual bool buildChild(QTreeWidgetItem *parent, QDomElement &element);
    // A new pane for this node, owned by the caller, or null.
    virtual QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser);

    // In-place rename of a column (root and carried files only).
    virtual void startRename(int column);
    // Accepts an open edit of the column and writes the new name into the element.
    virtual void okRename(int column);
    virtual void cancelRename(int column);
};

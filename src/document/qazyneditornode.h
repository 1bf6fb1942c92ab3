#pragma once

#include "sdk/qaxmleditornode.h"

class QAZynDocBrowser;
class QAZynEditorTree;
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

    // The structure tree holding the node, when it is one.
    QAZynEditorTree *editorTree() const;

protected:
    enum Expandability { Expandable, NotExpandable };
    enum Renaming { Renameable, NotRenameable };

    // The element's Label as the user reads it.
    QString labelText() const { return labelText(m_element); }
    static QString labelText(const QDomElement &element);
    QString nameText() const;

    // Where a kind's text comes from; a kind standing for its first child element shows that
    // child's Label.
    enum class TextSource { Label, Name, FirstChildLabel };
    // What a node kind states about itself once: item type, text, expandability, renaming.
    struct Shape
    {
        int type;
        TextSource text;
        Expandability expandability;
        Renaming renaming;
    };

    // What every kind does once the item is placed: text, expandability, open, renaming.
    void setUp(const Shape &shape);

    // The rename of Name, shared by the renameable kinds.
    void startNameEdit(int column);
    void acceptNameEdit(int column);
    void cancelNameEdit(int column);

    // "A&ppend" with its two entries, for build steps and carried files.
    static void addAppendMenu(QMenu *menu, QAZynEditorTree *tree);
    // The menu of a carried file: Append, Delete, Rename; null outside an editor tree.
    QMenu *carriedFileMenu() const;
};

// The node behind an item, when the item is one.
inline QAZynEditorNode *zynNode(QTreeWidgetItem *item)
{
    return dynamic_cast<QAZynEditorNode *>(item);
}

#pragma once

#include "sdk/qaxmleditornode.h"

#include <QStringList>

#include <functional>
#include <initializer_list>

class QAZynDocBrowser;
class QAZynEditorTree;
class QAZynViewer;
class QMenu;
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
    // A new pane for this node, owned by the caller, or null: the one its kind names, given the
    // node's element when there is one.
    virtual QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser);

    // In-place rename of a column; only kinds whose shape says Renameable (root and carried
    // files) have one.
    bool isRenameable() const { return flags() & Qt::ItemIsEditable; }
    virtual void startRename(int column);
    // Accepts an open edit of the column and writes the new name into the element.
    virtual void okRename(int column);
    virtual void cancelRename(int column);

    // The structure tree holding the node, when it is one.
    QAZynEditorTree *editorTree() const;

protected:
    enum Expandability { Expandable, NotExpandable };
    enum Renaming { Renameable, NotRenameable };

    // Places a node for each child element of container that make(under, after, child) makes
    // (null: the child is not shown), each after the one made before, under parent (this node
    // when null); every node made then builds its own children. Answers the last such build.
    template<typename Make>
    bool buildChildren(QTreeWidgetItem *parent, const QDomElement &container, Make make)
    {
        QTreeWidgetItem *under = parent ? parent : this;
        QTreeWidgetItem *previous = nullptr;
        bool result = true;
        for (QDomElement child = container.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (QAZynEditorNode *node = make(under, previous, child)) {
                previous = node;
                result = node->buildChild(node, child);
            }
        }
        return result;
    }

    using MakeChild = QAZynEditorNode *(*)(QTreeWidgetItem *under, QTreeWidgetItem *after,
                                           const QDomElement &child);
    template<typename Node>
    static QAZynEditorNode *childOf(QTreeWidgetItem *under, QTreeWidgetItem *after,
                                    const QDomElement &child)
    {
        return new Node(under, after, child);
    }
    // The node kind that child elements with these tags make.
    struct ChildKind
    {
        QStringList tags;
        MakeChild make;
    };
    // As above, each child making the kind of the first entry that names its tag.
    bool buildChildren(QTreeWidgetItem *parent, const QDomElement &container,
                       std::initializer_list<ChildKind> kinds);

    // The element's Label as the user reads it.
    QString labelText() const { return labelText(m_element); }
    static QString labelText(const QDomElement &element);
    QString nameText() const;

    // Where a kind's text comes from; a kind standing for its first child element shows that
    // child's Label.
    enum class TextSource { Label, Name, FirstChildLabel };
    using PaneFactory = QAZynViewer *(*)(const QDomElement &element, QWidget *parent,
                                         QAZynDocBrowser *docBrowser);
    // What a node kind states about itself once: item type, text, expandability, renaming and
    // the pane that edits it (none when null).
    struct Shape
    {
        int type;
        TextSource text;
        Expandability expandability;
        Renaming renaming;
        PaneFactory pane;
    };
    template<typename Pane>
    static QAZynViewer *paneOf(const QDomElement &element, QWidget *parent,
                               QAZynDocBrowser *docBrowser)
    {
        return new Pane(element, parent, docBrowser);
    }

    // What every kind does once the item is placed: text, expandability, open, renaming.
    void setUp(const Shape &shape);

    // The rename of Name, shared by the renameable kinds.
    void startNameEdit(int column);
    void acceptNameEdit(int column);
    void cancelNameEdit(int column);

    // A popup menu of the structure tree holding the node, filled by fill(menu, tree); null
    // outside a structure tree.
    QMenu *treeMenu(const std::function<void(QMenu *menu, QAZynEditorTree *tree)> &fill) const;
    // An entry of the menu that runs that operation of the tree.
    static void addTreeAction(QMenu *menu, const QString &text, QAZynEditorTree *tree,
                              void (QAZynEditorTree::*operation)());
    // "A&ppend" with its two entries, for build steps and carried files.
    static void addAppendMenu(QMenu *menu, QAZynEditorTree *tree);
    // The menu of a carried file: Append, Delete, Rename; null outside an editor tree.
    QMenu *carriedFileMenu() const;

private:
    const Shape *m_shape = nullptr;
};

// The node behind an item, when the item is one.
inline QAZynEditorNode *zynNode(QTreeWidgetItem *item)
{
    return dynamic_cast<QAZynEditorNode *>(item);
}

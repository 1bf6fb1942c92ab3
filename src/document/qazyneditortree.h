#pragma once

#include <QDomElement>
#include <QPersistentModelIndex>
#include <QTreeWidget>

#include <memory>

class QABinaryEncoder;
class QAZynEditorNode;
class QARenameDelegate;

// The structure tree: shows the nodes and carries the structural edits of the document (carried
// files added, encoded, deleted and renamed).
class QAZynEditorTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit QAZynEditorTree(QWidget *parent = nullptr, const QString &name = QString());
    ~QAZynEditorTree() override;

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Deletes every node; the document is not touched.
    void clearTree();

    // In-place renaming, through the tree's delegate (edits that lose the focus are dropped).
    QARenameDelegate *renameDelegate() const { return m_renameDelegate; }
    bool isRenaming() const;
    // The node whose name is being edited, or null.
    QTreeWidgetItem *renamingItem() const;
    // Writes the open edit into its item and closes it; false when none was open.
    bool commitRename();
    // Closes the open edit without writing.
    void cancelRename();
    // True while a node is told that its edit ended.
    bool isEndingRename() const { return m_endingRename; }

    // True while the encoder runs for a binary add.
    bool isAddingBinaryFile() const;
    // Stops the encoder of a binary add in progress; no node is added.
    void cancelBinaryAdd();

public Q_SLOTS:
    void deleteSelectedNode();

    // The entries of the nodes' context menus; they act on the current node.
    void startEdit();
    void appendAsciiFile();
    void appendBinaryFile();
    void addChildAsciiFile();
    void addChildBinaryFile();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    // Where a new carried file goes: as last child of the reference's parent element and after
    // the reference's last sibling node, or, for an add-child on a childless node, as its child.
    struct Reference
    {
        QPersistentModelIndex index;
        bool asChild = false;
    };

    struct Placement
    {
        QTreeWidgetItem *parentItem = nullptr;
        QTreeWidgetItem *after = nullptr;
        QDomElement parentElement;
    };

    Reference referenceFor(QTreeWidgetItem *item, bool asChild) const;
    // Null parent item when the reference is gone or has no parent to take a file.
    Placement placementOf(const Reference &reference) const;
    QAZynEditorNode *insertAsciiFile(const Reference &reference);
    void addBinaryFile(bool asChild);
    void binaryFileEncoded(const QDomElement &content);
    void encodingFailed(const QString &caption, const QString &text);
    bool insertBinaryFile(const Reference &reference, const QDomElement &content);
    bool refuseWhileEncoding();
    void showNewFile(QAZynEditorNode *node);
    void renameCommitted(const QModelIndex &index);
    void renameCanceled(const QModelIndex &index);

    bool m_modified = false;
    QString m_chosenFile;
    Reference m_referenceNode;
    QABinaryEncoder *m_encoder = nullptr;

    QARenameDelegate *m_renameDelegate = nullptr;
    bool m_endingRename = false;
};

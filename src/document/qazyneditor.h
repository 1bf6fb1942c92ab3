#pragma once

#include "sdk/qahelp.h"
#include "sdk/qaxmleditor.h"

#include <QPointer>

#include <memory>

struct QAFieldRef;
class QAZynDocBrowser;
class QAZynEditorNode;
class QAZynEditorTree;
class QAZynViewer;
class QLineEdit;
class QMenu;
class QModelIndex;
class QSplitter;
class QTreeWidgetItem;

// The main window's central area: structure tree on the left, reference documentation above the
// pane of the selected node on the right.
class QAZynEditor : public QAXmlEditor
{
    Q_OBJECT

public:
    QAZynEditor(const QString &targetDirectory, QWidget *parent = nullptr,
                const QString &name = QString());
    ~QAZynEditor() override;

    bool buildTree(QDomElement &root) override;
    void acceptRename(QTreeWidgetItem *item) override;
    void showViewer(QTreeWidgetItem *item) override;
    void showDoc() override;

    bool isModified();
    void setModified(bool modified);
    void clearTree();
    void setGenerateIn(const QString &directory);

    QAZynEditorNode *currentNode() const;
    QAZynEditorTree *editorTree() const { return m_editorTree; }
    QAZynDocBrowser *docBrowser() const { return m_docBrowser; }
    QSplitter *verticalSplitter() const { return m_verticalSplitter; }
    QAZynViewer *currentViewer() const { return m_currentViewer.get(); }
    QWidget *editionArea() const { return m_editionArea; }
    QLineEdit *generateInField() const { return m_generateInField; }
    // The last context menu shown for a node.
    QMenu *popupMenu() const;
    QAHelp &help() { return m_help; }

    // The node standing for that element (what its data() answers), or null.
    QTreeWidgetItem *nodeOf(const QDomElement &element) const;
    // Selects the node, shows its pane and has the pane bring the field forward, focused, with
    // its range selected. A NodeText field focuses the node in the tree. False when the node
    // or its pane has no such field; the node is selected all the same.
    bool revealField(QTreeWidgetItem *node, const QAFieldRef &field);

Q_SIGNALS:
    // A pane wrote into the document.
    void documentEdited();

public Q_SLOTS:
    void updateViewer(QTreeWidgetItem *item);
    void contextMenu(const QPoint &position);
    void nodeClicked();

private:
    void setUpTree();
    void dropViewer();
    void forgetCurrentIfRemoved(const QModelIndex &parent, int first, int last);
    void forgetCurrent();

    // Held as a plain item: the tree may report a change of the current item while the node is
    // being destroyed, when only its item part is left.
    QTreeWidgetItem *m_currentNode = nullptr;
    QSplitter *m_verticalSplitter = nullptr;
    bool m_modified = false;
    QWidget *m_editionArea = nullptr;
    QPointer<QMenu> m_popupMenu;
    std::unique_ptr<QAZynViewer> m_currentViewer;
    QAZynDocBrowser *m_docBrowser = nullptr;
    QAZynEditorTree *m_editorTree = nullptr;
    QLineEdit *m_generateInField = nullptr;
    QAHelp m_help;
};

#include "document/qazyneditor.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"
#include "document/zyntreebuilder.h"
#include "panes/qafieldref.h"
#include "panes/qaisviewer.h"
#include "panes/qazynviewer.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QVBoxLayout>

QAZynEditor::QAZynEditor(const QString &targetDirectory, QWidget *parent, const QString &name)
    : QAXmlEditor(parent, name)
{
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("qazyneditor"));
    layout->setContentsMargins(0, 0, 0, 0);
    auto *horizontal = new QSplitter(Qt::Horizontal, this);
    horizontal->setObjectName(QStringLiteral("Horizontal splitter"));
    layout->addWidget(horizontal);

    m_editorTree = new QAZynEditorTree(horizontal, QStringLiteral("Editor Tree"));
    setUpTree();
    m_verticalSplitter = new QSplitter(Qt::Vertical, horizontal);
    m_verticalSplitter->setObjectName(QStringLiteral("Vertical splitter"));

    auto *docArea = new QWidget(m_verticalSplitter);
    docArea->setObjectName(QStringLiteral("doc Area"));
    auto *docLayout = new QVBoxLayout(docArea);
    docLayout->setContentsMargins(0, 0, 0, 0);
    auto *genArea = new QWidget(docArea);
    genArea->setObjectName(QStringLiteral("gen area"));
    auto *genLayout = new QHBoxLayout(genArea);
    genLayout->setContentsMargins(0, 0, 0, 0);
    genLayout->addWidget(new QLabel(tr("Generate in: "), genArea));
    m_generateInField = new QLineEdit(genArea);
    m_generateInField->setReadOnly(true);
    genLayout->addWidget(m_generateInField);
    docLayout->addWidget(genArea);
    m_docBrowser = new QAZynDocBrowser(docArea, QStringLiteral("ZYN Doc"));
    docLayout->addWidget(m_docBrowser);
    const QChar sep = QDir::separator();
    m_docBrowser->setReferencePage(QUrl::fromLocalFile(targetDirectory + sep + QStringLiteral("xml")
                                                       + sep + QStringLiteral("Reference.html")));

    m_editionArea = new QWidget(m_verticalSplitter);
    m_editionArea->setObjectName(QStringLiteral("Edition Area"));
    auto *editionLayout = new QVBoxLayout(m_editionArea);
    editionLayout->setContentsMargins(0, 0, 0, 0);

    connect(m_editorTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { updateViewer(current); });
    connect(m_editorTree, &QWidget::customContextMenuRequested, this, &QAZynEditor::contextMenu);
    connect(m_editorTree, &QTreeWidget::itemClicked, this, &QAZynEditor::nodeClicked);
    // The selection model hears of a removal first and moves the current item; a node removed
    // without becoming non-current (an ancestor of it went) is caught here.
    connect(m_editorTree->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &QAZynEditor::forgetCurrentIfRemoved);
    connect(m_editorTree->model(), &QAbstractItemModel::modelAboutToBeReset, this,
            &QAZynEditor::forgetCurrent);
    connect(documentEditor(), &QADocumentEditor::revisited, this, &QAZynEditor::revisit);
    connect(documentEditor()->undoStack(), &QUndoStack::cleanChanged, this,
            &QAZynEditor::savedStateReached);
}

QAZynEditor::~QAZynEditor()
{
    // The tree and its model outlive this part of the editor: they must not call back into it.
    m_editorTree->model()->disconnect(this);
    m_editorTree->disconnect(this);
    documentEditor()->disconnect(this);
    documentEditor()->undoStack()->disconnect(this);
    // The pane refers to the browser; it goes before the child widgets do.
    m_currentViewer.reset();
}

void QAZynEditor::setUpTree()
{
    m_editorTree->setColumnCount(1);
    m_editorTree->setHeaderLabels({ QStringLiteral("Names") });
    m_editorTree->setHeaderHidden(true);
    m_editorTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_editorTree->header()->setStretchLastSection(false);
    // The header is hidden: its label takes no part in the column's width, and its minimum is
    // measured once rather than at every one of the column's resizes.
    m_editorTree->headerItem()->setSizeHint(0, QSize(0, 0));
    m_editorTree->header()->setMinimumSectionSize(m_editorTree->header()->minimumSectionSize());
    m_editorTree->setUniformRowHeights(true);
    m_editorTree->setSortingEnabled(false);
    m_editorTree->setRootIsDecorated(true);
    m_editorTree->setContextMenuPolicy(Qt::CustomContextMenu);
}

bool QAZynEditor::buildTree(QDomElement &root)
{
    return buildZynTree(m_editorTree, root);
}

void QAZynEditor::acceptRename(QTreeWidgetItem *item)
{
    auto *node = dynamic_cast<QAZynEditorNode *>(item);
    if (!node)
        return;
    if (m_currentViewer && m_currentViewer->inherits("QAIsViewer")) {
        m_currentViewer->acceptOpenEdit();
        return;
    }
    // The renameable kinds accept whether or not their node has a pane: a typed name is kept.
    switch (node->type()) {
    case QAZynEditorNode::RootType:
    case QAZynEditorNode::TextFileType:
    case QAZynEditorNode::BinaryFileType:
        node->okRename(0);
        break;
    default:
        break;
    }
}

void QAZynEditor::showViewer(QTreeWidgetItem *item)
{
    dropViewer();
    auto *node = dynamic_cast<QAZynEditorNode *>(item);
    if (!node)
        return;
    m_currentNode = item;
    m_currentViewer.reset(node->createViewer(m_editionArea, m_docBrowser));
    if (!m_currentViewer)
        return;
    connect(m_currentViewer.get(), &QAZynViewer::edited, this, &QAZynEditor::documentEdited);
    m_editionArea->layout()->addWidget(m_currentViewer.get());
    m_currentViewer->show();
    m_currentViewer->showNode();
}

void QAZynEditor::showDoc()
{
    if (m_currentViewer)
        m_currentViewer->showNode();
}

bool QAZynEditor::isModified()
{
    if (m_currentViewer)
        m_modified = m_modified || m_currentViewer->isModified();
    // Tree edits count even while no pane is shown.
    m_modified = m_modified || m_editorTree->isModified();
    return m_modified || !documentEditor()->undoStack()->isClean();
}

void QAZynEditor::setModified(bool modified)
{
    m_editorTree->setModified(modified);
    if (m_currentViewer)
        m_currentViewer->setModified(modified);
    m_modified = modified;
    if (!modified) {
        documentEditor()->undoStack()->setClean();
        documentEditor()->breakMerge();
    }
}

QADocumentEditor *QAZynEditor::documentEditor() const
{
    return m_editorTree->documentEditor();
}

QUndoStack *QAZynEditor::undoStack() const
{
    return documentEditor()->undoStack();
}

void QAZynEditor::undo()
{
    acceptRename(m_currentNode);
    documentEditor()->undo();
}

void QAZynEditor::redo()
{
    acceptRename(m_currentNode);
    documentEditor()->redo();
}

void QAZynEditor::savedStateReached(bool clean)
{
    if (!clean)
        return;
    // Back at the saved state: what the panes and the tree remember of their edits is history.
    m_editorTree->setModified(false);
    if (m_currentViewer)
        m_currentViewer->setModified(false);
    m_modified = false;
}

void QAZynEditor::revisit(const QADocumentChange &change)
{
    // A removed element is shown by the place it left.
    const QDomElement shown
        = ownerDocumentOf(change.element).isNull() ? change.parent : change.element;
    QAZynEditorNode *node = m_editorTree->nodeFor(shown);
    if (!node)
        return;
    if (node != m_editorTree->currentItem())
        m_editorTree->setCurrentItem(node); // shows its pane
    else
        showViewer(node); // the pane reads the document again
    m_editorTree->scrollToItem(node);
    revealChange(change);
}

void QAZynEditor::clearTree()
{
    forgetCurrent();
    m_editorTree->clearTree();
}

void QAZynEditor::setGenerateIn(const QString &directory)
{
    m_generateInField->setText(directory);
}

QAZynEditorNode *QAZynEditor::currentNode() const
{
    return dynamic_cast<QAZynEditorNode *>(m_currentNode);
}

QMenu *QAZynEditor::popupMenu() const
{
    return m_popupMenu;
}

void QAZynEditor::updateViewer(QTreeWidgetItem *item)
{
    if (!item)
        return;
    // Typing on another node is a step of its own.
    documentEditor()->breakMerge();
    // acceptRename sees a node that is being destroyed as a plain item and leaves it alone.
    if (m_currentNode)
        acceptRename(m_currentNode);
    m_currentNode = item;
    showViewer(item);
}

void QAZynEditor::contextMenu(const QPoint &position)
{
    auto *node = dynamic_cast<QAZynEditorNode *>(m_editorTree->itemAt(position));
    if (!node)
        return;
    if (m_popupMenu)
        m_popupMenu->deleteLater();
    m_popupMenu = node->setupPopupMenu();
    if (m_popupMenu)
        m_popupMenu->popup(m_editorTree->viewport()->mapToGlobal(position));
}

void QAZynEditor::nodeClicked()
{
    showDoc();
}

void QAZynEditor::dropViewer()
{
    if (!m_currentViewer)
        return;
    m_modified = m_modified || m_currentViewer->isModified();
    m_currentViewer.reset();
}

void QAZynEditor::forgetCurrentIfRemoved(const QModelIndex &parent, int first, int last)
{
    QTreeWidgetItem *removedFrom = m_editorTree->itemFromIndex(parent);
    for (QTreeWidgetItem *item = m_currentNode; item; item = item->parent()) {
        if (item->parent() != removedFrom)
            continue;
        const int row = removedFrom ? removedFrom->indexOfChild(item)
                                    : m_editorTree->indexOfTopLevelItem(item);
        if (row >= first && row <= last)
            forgetCurrent();
        return;
    }
}

void QAZynEditor::forgetCurrent()
{
    dropViewer();
    m_currentNode = nullptr;
}

QTreeWidgetItem *QAZynEditor::nodeOf(const QDomElement &element) const
{
    for (QTreeWidgetItemIterator it(m_editorTree); *it; ++it) {
        auto *node = dynamic_cast<QAXmlEditorNode *>(*it);
        if (node && node->data() == element)
            return *it;
    }
    return nullptr;
}

bool QAZynEditor::revealField(QTreeWidgetItem *node, const QAFieldRef &field)
{
    if (!node || node->treeWidget() != m_editorTree)
        return false;
    if (m_editorTree->currentItem() != node)
        m_editorTree->setCurrentItem(node);
    m_editorTree->scrollToItem(node);
    if (field.kind == QAFieldRef::NodeText) {
        m_editorTree->setFocus();
        return true;
    }
    return m_currentViewer && m_currentNode == node && m_currentViewer->revealField(field);
}

// The field of a pane that shows what a step of the history changed.
static QAFieldRef fieldOf(const QADocumentChange &change, const QDomElement &nodeElement)
{
    QAFieldRef field;
    field.element = change.element;
    field.start = qMax(change.cursor, 0);
    const QString tag = change.element.tagName();
    const bool key = tag == Zyn::Tag::IniField || QAIsKeys::isPredefined(change.element);
    switch (change.kind) {
    case QADocumentChange::Text:
        if (change.name == Zyn::Tag::Comment)
            field.kind = QAFieldRef::Comment;
        else if (change.name == Zyn::Tag::Key)
            field.kind = QAFieldRef::KeyName;
        else if (Zyn::textMacroTags().contains(tag))
            field.kind = QAFieldRef::MacroValue;
        else
            field.kind = key ? QAFieldRef::KeyValue : QAFieldRef::Text;
        break;
    case QADocumentChange::Attribute:
        if (change.name == Zyn::Attr::Name) {
            field.kind = QAFieldRef::NodeText;
        } else if (tag == Zyn::Tag::Choice) {
            field.kind = QAFieldRef::ChoiceEntry;
            field.start = 0;
        } else if (change.name == Zyn::Attr::Defined || Zyn::binaryMacroTags().contains(tag)) {
            field.kind = QAFieldRef::MacroSwitch;
        } else {
            field.kind = QAFieldRef::MacroValue;
        }
        break;
    case QADocumentChange::Placement:
    case QADocumentChange::None:
        field.start = 0;
        if (ownerDocumentOf(change.element).isNull()) {
            // Gone: its node stands for it.
            field.element = nodeElement;
            field.kind = QAFieldRef::NodeText;
        } else {
            field.kind = key ? QAFieldRef::KeyName : QAFieldRef::NodeText;
        }
        break;
    }
    return field;
}

void QAZynEditor::revealChange(const QADocumentChange &change)
{
    if (m_currentNode)
        revealField(m_currentNode, fieldOf(change, currentNode()->data()));
}

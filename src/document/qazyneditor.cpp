#include "document/qazyneditor.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "document/zyntreebuilder.h"
#include "panes/qafieldref.h"
#include "panes/qazynviewer.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidgetItemIterator>
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
}

QAZynEditor::~QAZynEditor()
{
    // The tree and its model outlive this part of the editor: they must not call back into it.
    m_editorTree->model()->disconnect(this);
    m_editorTree->disconnect(this);
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
    return m_modified;
}

void QAZynEditor::setModified(bool modified)
{
    m_editorTree->setModified(modified);
    if (m_currentViewer)
        m_currentViewer->setModified(modified);
    m_modified = modified;
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

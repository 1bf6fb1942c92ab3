#include "document/qazyneditortree.h"

#include "document/domtext.h"
#include "document/qabinaryencoder.h"
#include "document/qabinfilenode.h"
#include "document/qacmdfilenode.h"
#include "document/qarenamedelegate.h"
#include "document/zynformat.h"
#include "services/qadialogseam.h"
#include "services/statusduration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>

QAZynEditorTree::QAZynEditorTree(QWidget *parent, const QString &name)
    : QTreeWidget(parent)
{
    setObjectName(name);
    setColumnCount(1);
    setHeaderLabels({ QStringLiteral("Names") });
    setHeaderHidden(true);
    setSortingEnabled(false);
    setRootIsDecorated(true);
    setSelectionMode(SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(SelectedClicked | EditKeyPressed);

    m_renameDelegate = new QARenameDelegate(QARenameDelegate::Reject, this);
    setItemDelegate(m_renameDelegate);
    connect(m_renameDelegate, &QARenameDelegate::committed, this,
            &QAZynEditorTree::renameCommitted);
    connect(m_renameDelegate, &QARenameDelegate::canceled, this, &QAZynEditorTree::renameCanceled);

    m_encoder = new QABinaryEncoder(QCoreApplication::arguments().value(0), this);
    connect(m_encoder, &QABinaryEncoder::statusMsg, this, &QAZynEditorTree::statusMsg);
    connect(m_encoder, &QABinaryEncoder::encoded, this, &QAZynEditorTree::binaryFileEncoded);
    connect(m_encoder, &QABinaryEncoder::failed, this, &QAZynEditorTree::encodingFailed);
}

QAZynEditorTree::~QAZynEditorTree()
{
    // Editors and the encoder end while the base classes are torn down: they must not call back.
    m_renameDelegate->disconnect(this);
    m_encoder->disconnect(this);
}

void QAZynEditorTree::clearTree()
{
    cancelRename();
    clear();
    m_modified = false;
}

// --- In-place renaming ---------------------------------------------------------------------

bool QAZynEditorTree::isRenaming() const
{
    return m_renameDelegate->isEditing();
}

QTreeWidgetItem *QAZynEditorTree::renamingItem() const
{
    if (!m_renameDelegate->isEditing())
        return nullptr;
    return itemFromIndex(m_renameDelegate->editingIndex());
}

bool QAZynEditorTree::commitRename()
{
    QScopedValueRollback<bool> ending(m_endingRename, true);
    return m_renameDelegate->commitOpenEditor();
}

void QAZynEditorTree::cancelRename()
{
    QScopedValueRollback<bool> ending(m_endingRename, true);
    m_renameDelegate->cancelOpenEditor();
}

void QAZynEditorTree::renameCommitted(const QModelIndex &index)
{
    if (m_endingRename)
        return; // the node itself asked for it
    QAZynEditorNode *node = zynNode(itemFromIndex(index));
    if (!node)
        return;
    QScopedValueRollback<bool> ending(m_endingRename, true);
    node->okRename(index.column());
}

void QAZynEditorTree::renameCanceled(const QModelIndex &index)
{
    if (m_endingRename)
        return;
    QAZynEditorNode *node = zynNode(itemFromIndex(index));
    if (!node)
        return;
    QScopedValueRollback<bool> ending(m_endingRename, true);
    node->cancelRename(index.column());
}

bool QAZynEditorTree::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // However the edit starts (menu, click on the selected node, F2), it counts as a change.
    const bool wasRenaming = isRenaming();
    const bool result = QTreeWidget::edit(index, trigger, event);
    if (!wasRenaming && isRenaming())
        m_modified = true;
    return result;
}

void QAZynEditorTree::startEdit()
{
    if (QAZynEditorNode *node = zynNode(currentItem()))
        node->startRename(0);
}

// --- Opening nodes -------------------------------------------------------------------------

static void openSubtree(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (zynNode(item))
        item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        openSubtree(item->child(i));
}

void QAZynEditorTree::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QTreeWidget::rowsInserted(parent, start, end);
    // Nodes built before they reached a view could not open themselves.
    for (int row = start; row <= end; ++row)
        openSubtree(itemFromIndex(model()->index(row, 0, parent)));
}

// --- Placing carried files -----------------------------------------------------------------

QAZynEditorTree::Reference QAZynEditorTree::referenceFor(QTreeWidgetItem *item, bool asChild) const
{
    Reference reference;
    if (!item)
        return reference;
    if (asChild && item->childCount() > 0) {
        reference.index = indexFromItem(item->child(0));
    } else {
        reference.index = indexFromItem(item);
        reference.asChild = asChild;
    }
    return reference;
}

QAZynEditorTree::Placement QAZynEditorTree::placementOf(const Reference &reference) const
{
    Placement placement;
    QAZynEditorNode *node = zynNode(itemFromIndex(reference.index));
    if (!node)
        return placement;
    if (reference.asChild) {
        placement.parentElement = node->data();
        placement.parentItem = node;
    } else {
        placement.parentElement = node->data().parentNode().toElement();
        placement.parentItem = node->parent();
        if (placement.parentItem)
            placement.after = placement.parentItem->child(placement.parentItem->childCount() - 1);
    }
    if (placement.parentElement.isNull() || ownerDocumentOf(placement.parentElement).isNull())
        placement.parentItem = nullptr;
    return placement;
}

void QAZynEditorTree::showNewFile(QAZynEditorNode *node)
{
    setCurrentItem(node);
    scrollToItem(node);
    startEdit();
    m_modified = true;
}

QAZynEditorNode *QAZynEditorTree::insertAsciiFile(const Reference &reference)
{
    const Placement place = placementOf(reference);
    if (!place.parentItem)
        return nullptr;
    QDomDocument document = ownerDocumentOf(place.parentElement);
    QDomElement file = document.createElement(Zyn::Tag::NewCmdFile);
    file.setAttribute(Zyn::Attr::Name, Zyn::Value::NewAsciiFileName);
    QDomElement parentElement = place.parentElement;
    parentElement.appendChild(file);
    file.appendChild(document.createElement(Zyn::Tag::Comment));
    file.appendChild(document.createElement(Zyn::Tag::ValueText));

    auto *node = new QACmdFileNode(place.parentItem, place.after, file);
    showNewFile(node);
    return node;
}

void QAZynEditorTree::appendAsciiFile()
{
    if (QTreeWidgetItem *item = currentItem())
        insertAsciiFile(referenceFor(item, false));
}

void QAZynEditorTree::addChildAsciiFile()
{
    if (QTreeWidgetItem *item = currentItem())
        insertAsciiFile(referenceFor(item, true));
}

// --- Binary files --------------------------------------------------------------------------

bool QAZynEditorTree::isAddingBinaryFile() const
{
    return m_encoder->isRunning();
}

void QAZynEditorTree::cancelBinaryAdd()
{
    m_encoder->cancel();
}

bool QAZynEditorTree::refuseWhileEncoding()
{
    if (!isAddingBinaryFile())
        return false;
    Q_EMIT statusMsg(tr("A binary file is already being added; wait until it is done."),
                     StatusDuration::Result);
    return true;
}

void QAZynEditorTree::appendBinaryFile()
{
    addBinaryFile(false);
}

void QAZynEditorTree::addChildBinaryFile()
{
    addBinaryFile(true);
}

void QAZynEditorTree::addBinaryFile(bool asChild)
{
    QTreeWidgetItem *item = currentItem();
    if (!item || refuseWhileEncoding())
        return;
    m_referenceNode = referenceFor(item, asChild);
    m_chosenFile = QADialogSeam::instance().openFileName(
        this, QStringLiteral("FSB"), tr("Add a Binary File"), QDir::currentPath(),
        tr("Binary files (*)", "open binary file filter"));
    if (m_chosenFile.isEmpty() || !m_encoder->start(m_chosenFile))
        m_referenceNode = Reference();
}

void QAZynEditorTree::encodingFailed(const QString &caption, const QString &text)
{
    m_referenceNode = Reference();
    if (!text.isEmpty())
        QADialogSeam::instance().message(nullptr, QMessageBox::Critical, caption, text);
}

void QAZynEditorTree::binaryFileEncoded(const QDomElement &content)
{
    const Reference reference = std::exchange(m_referenceNode, Reference());
    if (insertBinaryFile(reference, content))
        Q_EMIT statusMsg(tr("Binary file added."), StatusDuration::Result);
}

bool QAZynEditorTree::insertBinaryFile(const Reference &reference, const QDomElement &content)
{
    const Placement place = placementOf(reference);
    if (!place.parentItem) {
        Q_EMIT statusMsg(tr("ERROR: binary file not added: its place in the tree was removed."),
                         StatusDuration::Result);
        return false;
    }
    QDomDocument document = ownerDocumentOf(place.parentElement);
    QDomElement file = document.createElement(Zyn::Tag::NewBinFile);
    file.setAttribute(Zyn::Attr::Name, QFileInfo(m_chosenFile).fileName());
    QDomElement parentElement = place.parentElement;
    parentElement.appendChild(file);
    file.appendChild(document.createElement(Zyn::Tag::Comment));
    file.appendChild(document.importNode(content, true));

    showNewFile(new QABinFileNode(place.parentItem, place.after, file));
    return true;
}

// --- Deleting carried files ----------------------------------------------------------------

void QAZynEditorTree::deleteSelectedNode()
{
    QAZynEditorNode *node = zynNode(selectedItems().value(0));
    if (!node)
        return;
    QDomElement element = node->data();
    if (element.tagName() != Zyn::Tag::NewCmdFile && element.tagName() != Zyn::Tag::NewBinFile)
        return;
    QTreeWidgetItem *parent = node->parent();
    if (!parent)
        return;

    if (renamingItem() == node)
        cancelRename();
    const int row = parent->indexOfChild(node);
    if (node == currentItem()) {
        // Move on before the node goes, so that nobody is shown a node being deleted.
        QTreeWidgetItem *next = parent->child(row + 1);
        setCurrentItem(next ? next : itemAbove(node));
    }
    element.parentNode().removeChild(element);
    std::unique_ptr<QTreeWidgetItem> removed(parent->takeChild(row));
    m_modified = true;
}

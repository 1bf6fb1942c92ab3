#include "document/qazyneditortree.h"

#include "document/domtext.h"
#include "document/qabinfilenode.h"
#include "document/qacmdfilenode.h"
#include "document/qarenamedelegate.h"
#include "document/zynformat.h"
#include "sdk/qainstall.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"
#include "services/qascriptrunner.h"
#include "services/qazynwaitdlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTemporaryDir>

static QString applicationCaption()
{
    return QString::fromLatin1(productTitle());
}

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
}

QAZynEditorTree::~QAZynEditorTree()
{
    // Editors and the encoder end while the base classes are torn down: they must not call back.
    m_renameDelegate->disconnect(this);
    if (m_encoderProcess)
        m_encoderProcess->disconnect(this);
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

bool QAZynEditorTree::refuseWhileEncoding()
{
    if (!m_encoderProcess)
        return false;
    Q_EMIT statusMsg(tr("A binary file is already being added; wait until it is done."), 2000);
    return true;
}

void QAZynEditorTree::appendBinaryFile()
{
    QTreeWidgetItem *item = currentItem();
    if (!item || refuseWhileEncoding())
        return;
    m_referenceNode = referenceFor(item, false);
    addBinaryFile();
}

void QAZynEditorTree::addChildBinaryFile()
{
    QTreeWidgetItem *item = currentItem();
    if (!item || refuseWhileEncoding())
        return;
    m_referenceNode = referenceFor(item, true);
    addBinaryFile();
}

void QAZynEditorTree::addBinaryFile()
{
    m_programPath = QCoreApplication::arguments().value(0);
    m_chosenFile = QADialogSeam::instance().openFileName(
        this, QStringLiteral("FSB"), tr("Add a Binary File"), QDir::currentPath(),
        tr("Binary files (*)", "open binary file filter"));
    if (m_chosenFile.isEmpty())
        return;

    // The encoder's output goes to a private directory, never over a file of the user's.
    m_encodeDir = std::make_unique<QTemporaryDir>();
    if (!m_encodeDir->isValid()) {
        QADialogSeam::instance().message(
            nullptr, QMessageBox::Critical, applicationCaption(),
            tr("Cannot create a temporary directory for the encoded file:\n%1")
                .arg(m_encodeDir->errorString()));
        m_encodeDir.reset();
        Q_EMIT statusMsg(tr("ERROR: adding binary file aborted."), 2000);
        return;
    }
    m_encodedFile = m_encodeDir->filePath(QStringLiteral("encoded.xml"));
    m_stderrText.clear();

    Q_EMIT statusMsg(tr("Adding binary file..."), 33333);
    m_waitDialog = std::make_unique<QAZynWaitDlg>(
        tr("Please, wait while adding the binary file..."), applicationCaption(), false, nullptr,
        QStringLiteral("wait dialog when adding binary file"));
    m_waitDialog->show();

    const QString script = QAInstall::scriptPath(m_programPath, QStringLiteral("encode64.pl"));
    m_encoderProcess
        = new QAScriptRunner(m_programPath, script, { m_chosenFile, m_encodedFile }, this);
    connect(m_encoderProcess, &QAScriptRunner::standardErrorLine, this, &QAZynEditorTree::getStd);
    connect(m_encoderProcess, &QAScriptRunner::finished, this,
            &QAZynEditorTree::encodingTerminated);
    if (m_encoderProcess->start())
        return;

    const QStringList perl = QAInstall::perlCommand(m_programPath);
    m_waitDialog.reset();
    QADialogSeam::instance().message(nullptr, QMessageBox::Critical, applicationCaption(),
                                     perl.value(0) + perl.value(1) + script + m_chosenFile
                                         + QLatin1Char('\n') + tr("Unable to run command"));
    endBinaryAdd();
    Q_EMIT statusMsg(tr("ERROR: adding binary file aborted."), 2000);
}

void QAZynEditorTree::getStd(const QString &line)
{
    // Only the last line is shown; a trailing blank line would hide it.
    if (!line.trimmed().isEmpty())
        m_stderrText = line + QLatin1Char('\n');
}

void QAZynEditorTree::encodingTerminated(int exitCode, bool crashed)
{
    if (!m_encoderProcess)
        return;
    if (crashed) {
        // A crashed encoder leaves no error text worth a box; the add just ends.
        endBinaryAdd();
        Q_EMIT statusMsg(tr("ERROR during adding binary file."), 2000);
        return;
    }
    if (exitCode != 0) {
        m_waitDialog.reset();
        const QString text = m_stderrText.isEmpty()
            ? tr("The encoding script failed with exit status %1.").arg(exitCode)
            : m_stderrText;
        QADialogSeam::instance().message(nullptr, QMessageBox::Critical, applicationCaption(),
                                         text);
        endBinaryAdd();
        Q_EMIT statusMsg(tr("ERROR during adding binary file."), 2000);
        return;
    }
    const bool inserted = insertBinaryFile(m_referenceNode);
    endBinaryAdd();
    if (inserted)
        Q_EMIT statusMsg(tr("Binary file added."), 2000);
}

void QAZynEditorTree::endBinaryAdd()
{
    m_waitDialog.reset();
    if (QAScriptRunner *encoder = std::exchange(m_encoderProcess, nullptr)) {
        encoder->disconnect(this);
        // Its own signal may be on the stack.
        encoder->deleteLater();
    }
    m_encodeDir.reset();
    m_encodedFile.clear();
    m_referenceNode = Reference();
}

bool QAZynEditorTree::insertBinaryFile(const Reference &reference)
{
    const Placement place = placementOf(reference);
    if (!place.parentItem) {
        Q_EMIT statusMsg(tr("ERROR: binary file not added: its place in the tree was removed."),
                         2000);
        return false;
    }
    const QDomElement content = readEncodedFile();
    if (content.isNull()) {
        Q_EMIT statusMsg(tr("ERROR during adding binary file."), 2000);
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

QDomElement QAZynEditorTree::readEncodedFile()
{
    QFile file(m_encodedFile);
    if (!file.open(QIODevice::ReadOnly)) {
        QADialogSeam::instance().message(nullptr, QMessageBox::Critical, tr("Critical Error"),
                                         tr("Cannot open file %1").arg(m_encodedFile));
        return QDomElement();
    }
    QDomDocument encoded;
    QString error;
    int line = 0;
    int column = 0;
    if (!encoded.setContent(&file, &error, &line, &column)) {
        QADialogSeam::instance().message(nullptr, QMessageBox::Critical, tr("Critical Error"),
                                         tr("Parsing error for file %1").arg(m_encodedFile)
                                             + QStringLiteral("\n(%1:%2)").arg(line).arg(column)
                                             + error + QLatin1Char(')'));
        return QDomElement();
    }
    file.remove();
    return encoded.documentElement();
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

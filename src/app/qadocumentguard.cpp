#include "app/qadocumentguard.h"

#include "app/qazyndocumentsession.h"
#include "document/qarecoverystore.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "document/qazynwriter.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTreeWidgetItem>
#include <QWidget>

namespace {

// How long the outcome of a reload or a restore stays in the status bar.
constexpr int NoticeDuration = 5000;
constexpr int ResultDuration = 2000;

QString caption()
{
    return QString::fromLatin1(productTitle());
}

// Where an item sits: the text and row of it and of each parent, from the top.
struct ItemStep
{
    QString text;
    int row;
};

QList<ItemStep> pathOf(QTreeWidgetItem *item)
{
    QList<ItemStep> steps;
    for (; item; item = item->parent()) {
        const int row = item->parent() ? item->parent()->indexOfChild(item)
                                       : item->treeWidget()->indexOfTopLevelItem(item);
        steps.prepend({ item->text(0), row });
    }
    return steps;
}

// The deepest item along steps that still exists: at each level the child at the same row when
// it bears the same text, else the first that does, else the one at the same row.
QTreeWidgetItem *itemAlong(QTreeWidget *tree, const QList<ItemStep> &steps)
{
    QTreeWidgetItem *found = nullptr;
    for (const ItemStep &step : steps) {
        const int count = found ? found->childCount() : tree->topLevelItemCount();
        const auto at = [&](int row) {
            return found ? found->child(row) : tree->topLevelItem(row);
        };
        QTreeWidgetItem *next = nullptr;
        if (step.row < count && at(step.row)->text(0) == step.text)
            next = at(step.row);
        for (int row = 0; !next && row < count; ++row) {
            if (at(row)->text(0) == step.text)
                next = at(row);
        }
        // A node renamed on disk keeps its place.
        if (!next && step.row < count)
            next = at(step.row);
        if (!next)
            break;
        found = next;
    }
    return found;
}

} // namespace

QADocumentGuard::QADocumentGuard(QAZynDocumentSession *session, QWidget *window)
    : QObject(session)
    , m_session(session)
    , m_window(window)
    , m_recovery(new QARecoveryStore(this))
{
    connect(&m_watch, &QADiskWatch::changedOnDisk, this, &QADocumentGuard::onDiskChanged);
    connect(m_recovery, &QARecoveryStore::due, this, &QADocumentGuard::writeRecovery);
    connect(this, &QADocumentGuard::statusMsg, session, &QAZynDocumentSession::statusMsg);
    window->installEventFilter(this);
    // Key strokes, clicks and drops anywhere are what change a document; a copy follows them.
    qApp->installEventFilter(this);
}

QString QADocumentGuard::normalized(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool QADocumentGuard::isModified() const
{
    QAZynEditor *editor = m_session->editor();
    return editor && !editor->rootElement().isNull() && editor->isModified();
}

bool QADocumentGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (watched == m_window)
            checkDisk();
        break;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
        if (watched->isWidgetType() && !m_path.isEmpty())
            noteChange();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool QADocumentGuard::beforeOpen(const QString &path, const QString &documentPath, bool asNew)
{
    bool openElsewhere = false;
    if (!asNew && !mayOpen(path, &openElsewhere))
        return false;
    // Another document replaces one whose changes the user chose not to save.
    if (isModified() && normalized(documentPath) != m_path)
        discarded();
    // A copy kept by the editor that has the file open is no crashed session's.
    if (openElsewhere || !offerRecovery(documentPath))
        return true;
    restore(documentPath);
    // A restored document has taken the lock; one that failed leaves it.
    m_openingLock.release();
    return false;
}

bool QADocumentGuard::mayOpen(const QString &path, bool *openElsewhere)
{
    *openElsewhere = false;
    if (!QFileInfo(path).isFile() || (normalized(path) == m_path && m_lock.isHeld()))
        return true;
    if (m_openingLock.acquire(path) != QADocumentLock::Result::HeldElsewhere)
        return true;
    *openElsewhere = true;
    const int answer = QADialogSeam::instance().choice(
        m_window, QMessageBox::Warning, caption(),
        tr("%1\n\nis already open in another editor (%2). Saving in both would overwrite one "
           "editor's changes with the other's.\n\nOpen it anyway?")
            .arg(path, m_openingLock.holder()),
        { tr("Open anyway"), tr("Cancel") }, 1, 1);
    return answer == 0;
}

// Answers whether the user wants the recovery copy of path restored.
bool QADocumentGuard::offerRecovery(const QString &path)
{
    if (!QARecoveryStore::hasRecoveryFor(path))
        return false;
    const QDateTime written = QFileInfo(QARecoveryStore::recoveryPathFor(path)).lastModified();
    QString text = tr("Unsaved changes to %1 were kept from a session that ended unexpectedly "
                      "(%2).\n\nRestore them?")
                       .arg(path, QLocale().toString(written, QLocale::ShortFormat));
    if (!QFileInfo(path).isFile())
        text += QStringLiteral("\n\n")
            + tr("The file itself no longer exists: the restored document is saved under a new "
                 "name.");
    const int answer = QADialogSeam::instance().choice(
        m_window, QMessageBox::Question, caption(), text,
        { tr("Restore"), tr("Discard"), tr("Decide later") }, 0, 2);
    if (answer == 1)
        QARecoveryStore::remove(path);
    return answer == 0;
}

// Opens the recovery copy as the document of that name, marked unsaved; a file that no longer
// exists is saved under a new name straight away.
void QADocumentGuard::restore(const QString &documentPath)
{
    if (!m_session->readDocument(QARecoveryStore::recoveryPathFor(documentPath), documentPath,
                                 false))
        return;
    m_session->editor()->setModified(true);
    Q_EMIT statusMsg(tr("Unsaved changes restored; save them to keep them."), NoticeDuration);
    if (!QFileInfo(documentPath).isFile())
        m_session->saveAs(documentPath);
}

void QADocumentGuard::opened(const QString &path, bool watched)
{
    const QString document = normalized(path);
    m_recovery->cancel();
    m_recoveryWritten.clear();
    if (document != m_path) {
        m_lock.release();
        m_path = document;
    }
    if (!watched) {
        m_lock.release();
        m_openingLock.release();
        m_watch.stop();
        return;
    }
    // Opened although another editor has it: the lock stays theirs.
    if (!m_lock.isHeld()) {
        if (m_openingLock.holds(document))
            m_lock.adopt(m_openingLock);
        else
            m_lock.acquire(document);
    }
    m_openingLock.release();
    m_watch.watch(document);
}

void QADocumentGuard::openFailed()
{
    m_openingLock.release();
}

bool QADocumentGuard::mayOverwrite(const QString &path)
{
    const QString target = normalized(path);
    // A file that is gone loses nothing when written again.
    if (target != m_path || m_watch.path().isEmpty() || !QFileInfo(target).isFile()
        || !m_watch.differsOnDisk())
        return true;
    const int answer = QADialogSeam::instance().choice(
        m_window, QMessageBox::Warning, caption(),
        tr("The file %1 was changed on disk since this document was opened or last "
           "saved.\n\nOverwrite it with this document?")
            .arg(path),
        { tr("Overwrite"), tr("Save As..."), tr("Cancel") }, 2, 2);
    if (answer == 0)
        return true;
    if (answer == 1)
        m_session->saveAs(path);
    else
        Q_EMIT statusMsg(tr("xdp file not saved."), ResultDuration);
    return false;
}

void QADocumentGuard::saved(const QString &path)
{
    const QString document = normalized(path);
    m_recovery->cancel();
    if (document != m_path) {
        // The work the old name's copy held is saved now.
        forgetRecovery(m_path);
        m_lock.release();
        m_path = document;
        m_lock.acquire(document);
        m_watch.watch(document);
    } else {
        if (!m_lock.isHeld())
            m_lock.acquire(document);
        m_watch.remember();
    }
    forgetRecovery(document);
}

void QADocumentGuard::discarded()
{
    m_recovery->cancel();
    forgetRecovery(m_path);
}

void QADocumentGuard::closed()
{
    m_recovery->cancel();
    // Closing with changes means the user chose not to save them; a copy this session wrote for
    // changes since undone is stale. Only a copy left for later stays.
    if (isModified() || !m_recoveryWritten.isEmpty())
        forgetRecovery(m_path);
    m_lock.release();
    m_openingLock.release();
    m_watch.stop();
    m_path.clear();
}

void QADocumentGuard::noteChange()
{
    m_recovery->noteChange();
}

void QADocumentGuard::checkDisk()
{
    if (!m_asking)
        m_watch.check();
}

void QADocumentGuard::onDiskChanged()
{
    if (m_asking)
        return;
    // Not in the middle of another question or dialog: asked again once the window is active.
    if (QApplication::activeModalWidget()) {
        m_watch.forgetReport();
        return;
    }
    const bool gone = m_watch.isGone();
    if (!gone && !isModified()) {
        reload();
        return;
    }
    const int answer = askAboutDiskChange(gone);
    if (gone) {
        // Whatever the answer, the document is all that is left: it counts as unsaved.
        m_session->editor()->setModified(true);
        if (answer == 1)
            m_session->saveAs(m_session->currentFilePath());
    } else if (answer == 0) {
        discarded();
        reload();
    } else if (answer == 2) {
        m_session->saveAs(m_session->currentFilePath());
    }
}

int QADocumentGuard::askAboutDiskChange(bool gone)
{
    m_asking = true;
    QADialogSeam &dialogs = QADialogSeam::instance();
    const int answer = gone
        ? dialogs.choice(m_window, QMessageBox::Warning, caption(),
                         tr("The file %1 was deleted or moved by another program.\n\nThe "
                            "document stays open here; saving it writes the file again.")
                             .arg(m_watch.path()),
                         { tr("Keep editing"), tr("Save As...") }, 0, 0)
        : dialogs.choice(m_window, QMessageBox::Warning, caption(),
                         tr("The file %1 was changed on disk by another program, and this "
                            "document has unsaved changes.")
                             .arg(m_watch.path()),
                         { tr("Reload and lose my changes"), tr("Keep editing"), tr("Save As...") },
                         1, 1);
    m_asking = false;
    return answer;
}

// Reads the file again after a change on disk, keeping the selected node where it still exists.
void QADocumentGuard::reload()
{
    const QString path = m_session->currentFilePath();
    QAZynEditor *editor = m_session->editor();
    if (path.isEmpty() || !editor)
        return;
    QAZynEditorTree *tree = editor->editorTree();
    const QList<ItemStep> selected = pathOf(tree->currentItem());
    if (!m_session->readDocument(path, path, false))
        return;
    QTreeWidgetItem *item = itemAlong(tree, selected);
    if (item && item != tree->currentItem()) {
        tree->setCurrentItem(item);
        editor->showViewer(item);
    }
    Q_EMIT statusMsg(tr("The file was changed on disk and has been read again."), NoticeDuration);
}

void QADocumentGuard::writeRecovery()
{
    QAZynEditor *editor = m_session->editor();
    if (m_path.isEmpty() || !isModified())
        return;
    // The document as a save would write it, without the save's own attributes.
    const QByteArray bytes = QAZynWriter(&editor->attributeOrder()).write(editor->rootElement());
    if (bytes.isEmpty() || bytes == m_recoveryWritten)
        return;
    if (QARecoveryStore::write(m_path, bytes))
        m_recoveryWritten = bytes;
}

void QADocumentGuard::forgetRecovery(const QString &path)
{
    if (!path.isEmpty())
        QARecoveryStore::remove(path);
    if (path == m_path)
        m_recoveryWritten.clear();
}

#include "app/qazyndocumentsession.h"

#include "app/qagenerateinpolicy.h"
#include "app/qazynscriptrun.h"
#include "app/zyndocumentfile.h"
#include "dialogs/qanewzyndlg.h"
#include "dialogs/qazynversion.h"
#include "document/qazyneditor.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"
#include "sdk/qafileutil.h"
#include "sdk/qainstall.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"
#include "services/statusduration.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace ZynDocumentFile;

namespace {

const QLatin1String XdpExtension(".xdp");
const QLatin1String NewDocumentName("document.xdp");

} // namespace

QAZynDocumentSession::QAZynDocumentSession(const QString &programPath, QWidget *window)
    : QObject(window)
    , m_programPath(programPath)
    , m_window(window)
{
    m_fileFilters = QStringList { tr("Moravel files ( *.xdp)"), tr("All files (*)") };
    m_installTargetDir = QAInstall::targetDir(m_programPath);
    resetGenerateIn();
    m_targets.scan(m_generateIn);
    m_templateDir = m_generateIn + QDir::separator() + QStringLiteral("xml");
    m_guard = new QADocumentGuard(this, window);
}

void QAZynDocumentSession::attach(QAZynEditor *editor, QAZYNVersion *versionChecker)
{
    m_editor = editor;
    m_versionChecker = versionChecker;
}

void QAZynDocumentSession::fileNew()
{
    if (askSaveChanges() != SaveAnswer::Proceed)
        return;
    QANewZynDlg dialog(m_window, QStringLiteral("New ZYN Dialog"));
    if (QADialogSeam::instance().exec(&dialog) != QDialog::Accepted
        || dialog.templateName().isEmpty())
        return;
    m_lastChosenPath = m_templateDir + QDir::separator() + dialog.templateName();
    loadFile(m_lastChosenPath, true);
}

void QAZynDocumentSession::fileOpen()
{
    if (askSaveChanges() != SaveAnswer::Proceed)
        return;
    m_lastChosenPath = QADialogSeam::instance().openFileName(
        m_window, QStringLiteral("FSB"), tr("Open"), m_templateDir,
        m_fileFilters.join(QLatin1String(";;")));
    if (!m_lastChosenPath.isEmpty())
        loadFile(m_lastChosenPath, false);
}

void QAZynDocumentSession::fileSave()
{
    if (m_rootElement.isNull())
        return;
    if (isReadOnly(m_rootElement)) {
        // A protected document is saved under a new name first; generating makes sense only
        // once that happened.
        if (saveAs(QString()))
            fileGenerateAs();
        return;
    }
    if (m_currentFilePath.isEmpty())
        return;
    if (saveFile(m_currentFilePath)) {
        m_generateIn = m_rootElement.attribute(Zyn::Attr::GenerateIn, m_generateIn);
        runGenerator(m_currentFilePath, m_generateIn);
    }
}

void QAZynDocumentSession::fileExportAs()
{
    QString path = QADialogSeam::instance().saveFileName(
        m_window, QStringLiteral("Export ZYN dialog"), tr("Export xdp In"), QString(),
        QStringLiteral("Text (*.txt)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".txt");
    // The script reads the document as last saved, not what is in memory.
    runExport(m_currentFilePath, path);
}

// The save-as dialog and its checks; answers whether the document was written.
bool QAZynDocumentSession::saveAs(const QString &name)
{
    QString path = QADialogSeam::instance().saveFileName(
        m_window, QStringLiteral("save xdp file dialog"), tr("Save xdp As"),
        name.isNull() ? m_lastChosenPath : name, m_fileFilters.join(QLatin1String(";;")));
    m_lastChosenPath = path;
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += XdpExtension;

    const QFileInfo info(path);
    const QString fileName = info.fileName();
    const QString forbidden = QStringLiteral(" ") + QAFileUtil::forbiddenCharacters();
    if (std::any_of(fileName.cbegin(), fileName.cend(),
                    [&forbidden](QChar c) { return forbidden.contains(c); })) {
        QADialogSeam::instance().message(
            m_window, QMessageBox::Critical, productCaption(),
            tr("The name of a .xdp file cannot contain one of the following characters:")
                + QStringLiteral("\n\t[\\ /+*?~|, :\"'`]"));
        return saveAs(info.absolutePath() + QDir::separator()
                      + QAFileUtil::generateFilename(fileName));
    }

    if (info.exists()) {
        const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
            m_window, QMessageBox::Warning, productCaption(),
            tr("The file %1 already exists.\n Do you want to replace it?").arg(path),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return saveAs(QString());
        return saveOverExistingFile(path);
    }

    m_currentFilePath = path;
    return saveFile(path);
}

void QAZynDocumentSession::fileGenerateAs()
{
    // A protected document (a template) gets a name of its own before anything is written.
    if (isReadOnly(m_rootElement) && !saveAs(QString()))
        return;
    QString directory = QADialogSeam::instance().existingDirectory(
        m_window, QStringLiteral("Generate ZYN dialog"), tr("Generate ZYN In"), m_generateIn);
    if (directory.endsWith(QDir::separator()) || directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    if (directory.isEmpty())
        return;
    m_targets.scan(directory);
    m_generateIn = directory;
    QAGenerateInPolicy::approve(directory);
    if (saveFile(m_currentFilePath))
        runGenerator(m_currentFilePath, m_generateIn);
}

void QAZynDocumentSession::loadFile(const QString &path, bool asNew)
{
    const QString documentPath = asNew ? m_templateDir + QDir::separator() + NewDocumentName : path;
    if (!path.isEmpty() && m_guard->beforeOpen(path, documentPath, asNew)
        && !readDocument(path, documentPath, asNew))
        m_guard->openFailed();
}

bool QAZynDocumentSession::readDocument(const QString &source, const QString &name, bool asNew)
{
    if (!canBeRead(source)) {
        QADialogSeam::instance().message(
            m_window, QMessageBox::Warning, productCaption(),
            source + tr("\n\nYou don't have the access right to read this .xdp file."));
        return false;
    }
    Q_EMIT statusMsg(tr("Loading file..."), StatusDuration::UntilReplaced);

    // The file is checked in a document of its own first, so that a refused file leaves the open
    // document as it was; an accepted one becomes the editor's as it is, read only once.
    QDomDocument candidate;
    QAAttributeOrder attributeOrder;
    const QDomElement accepted = readAcceptedRoot(source, candidate, &attributeOrder);
    if (accepted.isNull()) {
        rejectLoad();
        return false;
    }

    m_editor->clearTree();
    m_editor->setModified(false);
    m_rootElement = m_editor->adoptDocument(candidate, std::move(attributeOrder));

    // The document only suggests where its files go; the user decides (asked once per place).
    const QString suggested = m_rootElement.hasAttribute(Zyn::Attr::GenerateIn)
        ? m_rootElement.attribute(Zyn::Attr::GenerateIn)
        : QString();
    const QString current = QFileInfo(m_generateIn).isDir() ? m_generateIn : defaultGenerateIn();
    m_generateIn = QAGenerateInPolicy::decide(m_window, productCaption(), suggested, name, current,
                                              defaultGenerateIn());
    m_editor->setGenerateIn(m_generateIn);

    if (!m_editor->buildTree(m_rootElement)) {
        failLoad();
        return false;
    }
    showDocument(asNew, name);
    return true;
}

// The steps of a load once the tree is built.
void QAZynDocumentSession::showDocument(bool asNew, const QString &documentPath)
{
    showFirstNode(false);
    Q_EMIT documentOpen(true);
    m_currentFilePath = documentPath;
    m_guard->opened(documentPath, !asNew);
    m_targets.setCurrent(
        m_targets.find(currentTargetDirectory(), QAZynTargets::label(m_rootElement)));
    updateCaption();
    Q_EMIT statusMsg(tr("File loaded."), StatusDuration::Result);
}

// Selects the tree's first node and shows its pane; rename starts editing its name.
void QAZynDocumentSession::showFirstNode(bool rename)
{
    QAZynEditorTree *tree = m_editor->editorTree();
    QTreeWidgetItem *first = tree->topLevelItem(0);
    if (!first)
        return;
    tree->setCurrentItem(first);
    m_editor->showViewer(first);
    if (auto *node = dynamic_cast<QAZynEditorNode *>(first); node && rename)
        node->startRename(0);
}

// Reads path into document and answers its root when the editor can edit it, after converting an
// older version if the user wants; a null element once the user was told why not.
QDomElement QAZynDocumentSession::readAcceptedRoot(const QString &path, QDomDocument &document,
                                                   QAAttributeOrder *attributeOrder)
{
    QADialogSeam &dialogs = QADialogSeam::instance();
    m_loadError.clear();
    for (;;) {
        const QDomElement root
            = QAXmlEditor::readRootElement(path, document, &m_loadError, attributeOrder);
        if (root.isNull()) {
            if (m_loadError.startsWith(path + QLatin1Char(':')))
                m_loadError = m_loadError.mid(path.size() + 1).trimmed();
            return QDomElement();
        }
        const QString version = root.attribute(Zyn::Attr::Version);
        switch (m_versionChecker->checkVersion(version)) {
        case QAZYNVersion::VersionOutdated: {
            const int answer = dialogs.choice(
                m_window, QMessageBox::Warning, productCaption(),
                tr("This xdp file does not correspond to the current version. It requires an "
                   "update to be edited."),
                { tr("Update"), tr("Don't edit") }, 0);
            if (answer != 0)
                return QDomElement();
            if (!m_versionChecker->updateFile(path, version)) {
                dialogs.message(m_window, QMessageBox::Critical, productCaption(),
                                tr("Error updating ZYN file, cancel load"));
                return QDomElement();
            }
            continue; // the converted file is read and classified again
        }
        case QAZYNVersion::VersionUnknown:
            dialogs.message(m_window, QMessageBox::Critical, productCaption(),
                            tr("Unknown version for ZYN file, can't edit"));
            return QDomElement();
        case QAZYNVersion::VersionNewer:
            dialogs.message(m_window, QMessageBox::Critical, productCaption(),
                            tr("ZYN file is newer than editor, please update your editor"));
            return QDomElement();
        case QAZYNVersion::VersionCurrent:
            break;
        }
        // What the tree could not be built from is refused here, before the open document goes.
        if (root.tagName() != Zyn::Tag::Root)
            return QDomElement();
        return root;
    }
}

// A refused file: the open document, if any, stays as it was.
void QAZynDocumentSession::rejectLoad()
{
    if (m_rootElement.isNull()) {
        Q_EMIT captionChanged(productCaption());
        Q_EMIT documentOpen(false);
        m_editor->setModified(false);
    }
    // Why the file could not be read, where the reader said ("line:column: message").
    const QString why = m_loadError.isEmpty() ? QString() : QLatin1Char(' ') + m_loadError;
    Q_EMIT statusMsg(tr("ERROR: cannot load the file.") + why, StatusDuration::Result);
}

// A load that failed after the editor gave up its document: nothing is left open.
void QAZynDocumentSession::failLoad()
{
    m_editor->clearTree();
    m_rootElement = QDomElement();
    Q_EMIT captionChanged(productCaption());
    Q_EMIT documentOpen(false);
    Q_EMIT statusMsg(tr("ERROR: cannot load the file."), StatusDuration::Result);
    m_editor->setModified(false);
}

bool QAZynDocumentSession::saveFile(const QString &path)
{
    if (path.isEmpty() || m_rootElement.isNull())
        return false;
    if (!canBeWritten(path)) {
        QADialogSeam::instance().message(
            m_window, QMessageBox::Warning, productCaption(),
            path
                + QStringLiteral(
                    "\n\nYou cannot save this .xdp file because the file is in read only mode."));
        return false;
    }
    Q_EMIT statusMsg(tr("Saving file..."), StatusDuration::UntilReplaced);
    m_editor->acceptRename(m_editor->editorTree()->currentItem());
    if (!confirmTargetName())
        return false;
    if (!m_guard->mayOverwrite(path))
        return false;

    int dropped = 0;
    if (!writeDocument(path, &dropped)) {
        Q_EMIT statusMsg(tr("ERROR: cannot save the file."), StatusDuration::Result);
        return false;
    }
    m_guard->saved(path);
    Q_EMIT saved(path);
    m_targets.replaceCurrent(currentTargetDirectory(), QAZynTargets::label(m_rootElement));

    m_editor->setModified(false);
    if (dropped > 0)
        Q_EMIT statusMsg(tr("xdp file saved; %n character(s) that XML cannot hold were "
                            "left out.",
                            "", dropped),
                         StatusDuration::Result);
    else
        Q_EMIT statusMsg(tr("xdp file saved."), StatusDuration::Result);
    updateCaption();
    return true;
}

// A second document for a target that another directory holds is saved only when the user
// says so; otherwise the target's name is offered for editing.
bool QAZynDocumentSession::confirmTargetName()
{
    if (isTargetNameFree(m_rootElement))
        return true;
    const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
        m_window, QMessageBox::Warning, productCaption(),
        m_rootElement.attribute(Zyn::Attr::Name)
            + QStringLiteral("\nalready exists in your \"targets/\" directory.\n Do you want "
                             "to save anyway?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return true;
    showFirstNode(true);
    Q_EMIT statusMsg(tr("xdp file not saved."), StatusDuration::Result);
    return false;
}

bool QAZynDocumentSession::writeDocument(const QString &path, int *droppedCharacters)
{
    if (!write(path, m_rootElement, m_generateIn, m_editor->attributeOrder(), droppedCharacters))
        return false;
    m_editor->setGenerateIn(m_generateIn);
    return true;
}

bool QAZynDocumentSession::isTargetNameFree(const QDomElement &root) const
{
    return m_targets.isNameFree(currentTargetDirectory(), QAZynTargets::label(root));
}

QString QAZynDocumentSession::currentFileName() const
{
    return QFileInfo(m_currentFilePath).fileName();
}

QString QAZynDocumentSession::currentTargetDirectory() const
{
    return withoutXdp(currentFileName());
}

void QAZynDocumentSession::resetGenerateIn()
{
    m_generateIn = defaultGenerateIn();
}

QString QAZynDocumentSession::defaultGenerateIn() const
{
    const QString installed = QAInstall::targetDir(m_programPath);
    const QString candidate = QAInstall::applicationData(m_programPath) + QDir::separator()
        + QFileInfo(installed).baseName();
    return QFileInfo(candidate).isDir() ? QFileInfo(candidate).absoluteFilePath() : installed;
}

void QAZynDocumentSession::updateCaption()
{
    const QString name = currentFileName();
    if (name.isEmpty())
        return;
    QString text = name;
    if (isReadOnly(m_rootElement) && name != NewDocumentName)
        text += QStringLiteral(" (") + tr("Read only") + QLatin1Char(')');
    Q_EMIT captionChanged(text + QStringLiteral(" - ") + productCaption());
}

// The question of New, Open and the window's close alike.
QMessageBox::StandardButton QAZynDocumentSession::saveChangesQuestion()
{
    return QADialogSeam::instance().message(
        m_window, QMessageBox::Information, productCaption(),
        tr("Save changes to ") + currentFileName() + QLatin1Char('?'),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
        QMessageBox::Cancel);
}

QAZynDocumentSession::SaveAnswer QAZynDocumentSession::askSaveChanges()
{
    if (!m_editor->isModified())
        return SaveAnswer::Proceed;
    const QMessageBox::StandardButton answer = saveChangesQuestion();
    if (answer == QMessageBox::No)
        return SaveAnswer::Proceed;
    if (answer == QMessageBox::Yes)
        Q_EMIT saveRequested(); // the user repeats the command afterwards
    return SaveAnswer::Stop;
}

bool QAZynDocumentSession::mayClose()
{
    if (!m_editor->isModified())
        return true;
    const QMessageBox::StandardButton answer = saveChangesQuestion();
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    Q_EMIT saveRequested();
    // The save dialog was cancelled or the write failed: closing now would lose the document.
    return !m_editor->isModified();
}

// Answers whether the document was written over path.
bool QAZynDocumentSession::saveOverExistingFile(const QString &path)
{
    // Read into a document of its own: the editor's document is the one being saved.
    QDomDocument existing;
    const QDomElement existingRoot = QAXmlEditor::readRootElement(path, existing);
    if (!existingRoot.isNull() && isReadOnly(existingRoot)) {
        const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
            m_window, QMessageBox::Warning, productCaption(),
            path + tr(" cannot be overwritten.\n Please select another file."),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel);
        if (answer == QMessageBox::Ok)
            return saveAs(QString());
        return false;
    }

    m_currentFilePath = path;
    if (!existingRoot.isNull()) {
        const QAZynTargets::QZynId *replaced = m_targets.find(
            withoutXdp(QFileInfo(path).fileName()), QAZynTargets::label(existingRoot));
        if (replaced) {
            m_targets.remove(replaced);
            m_targets.setCurrent(
                m_targets.find(currentTargetDirectory(), QAZynTargets::label(m_rootElement)));
        }
    }
    return saveFile(m_currentFilePath);
}

void QAZynDocumentSession::runGenerator(const QString &documentPath, const QString &directory)
{
    startRun(new QAZynScriptRun(QAZynScriptRun::Kind::Generator, m_programPath, documentPath,
                                directory, m_window));
}

void QAZynDocumentSession::runExport(const QString &documentPath, const QString &textPath)
{
    startRun(new QAZynScriptRun(QAZynScriptRun::Kind::Export, m_programPath, documentPath, textPath,
                                m_window));
}

// Each run reports on itself; a successful one may change the caption.
void QAZynDocumentSession::startRun(QAZynScriptRun *run)
{
    connect(run, &QAZynScriptRun::statusMsg, this, &QAZynDocumentSession::statusMsg);
    connect(run, &QAZynScriptRun::succeeded, this, &QAZynDocumentSession::updateCaption);
    run->run();
}

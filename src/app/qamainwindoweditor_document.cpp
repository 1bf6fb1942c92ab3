// The document lifecycle of the main window: new, open, save, generate, export.
#include "app/qamainwindoweditor.h"

#include "dialogs/qanewzyndlg.h"
#include "dialogs/qazynerrordialog.h"
#include "dialogs/qazynversion.h"
#include "document/qazyneditor.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "document/qazynwriter.h"
#include "document/zynformat.h"
#include "sdk/qafileutil.h"
#include "sdk/qainstall.h"
#include "sdk/warning.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"
#include "services/qascriptrunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTextStream>

#include <algorithm>

namespace {

const QLatin1String XdpExtension(".xdp");
const QLatin1String NewDocumentName("document.xdp");
constexpr int ResultDuration = 2000;

QString caption()
{
    return QString::fromLatin1(productTitle());
}

// A file name without its ".xdp" extension: the name of its target directory.
QString withoutXdp(const QString &fileName)
{
    return fileName.endsWith(XdpExtension) ? fileName.chopped(XdpExtension.size()) : fileName;
}

// Whether a save could write path, found without creating or truncating anything.
bool canBeWritten(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.isFile() && info.isWritable();
    const QFileInfo directory(info.absolutePath());
    return directory.isDir() && directory.isWritable();
}

// Whether path is a regular file that can be opened for reading. Anything else (a directory, a
// FIFO, a device) is refused before an open that could block.
bool canBeRead(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// Replaces the file at path with bytes, or leaves it as it was.
bool commitFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() misses an error of the last flush (a full disk) and would put the
    // truncated file in place: flush first and give up on failure.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool isReadOnly(const QDomElement &root)
{
    return root.attribute(Zyn::Attr::ReadOnly) == Zyn::Value::Yes;
}

} // namespace

// Construction: file filters, generate-in directory, known targets and template directory.
void QAMainWindowEditor::initDocumentState()
{
    m_fileFilters = QStringList { tr("Moravel files ( *.xdp)"), tr("All files (*)") };
    m_installTargetDir = QAInstall::targetDir(m_programPath);
    resetGenerateIn();
    scanTargets(m_generateIn);
    m_currentTarget = nullptr;
    m_templateDir = m_generateIn + QDir::separator() + QStringLiteral("xml");
}

void QAMainWindowEditor::fileNew()
{
    if (askSaveChanges() != SaveAnswer::Proceed)
        return;
    QANewZynDlg dialog(this, QStringLiteral("New ZYN Dialog"));
    if (QADialogSeam::instance().exec(&dialog) != QDialog::Accepted
        || dialog.templateName().isEmpty())
        return;
    m_lastChosenPath = m_templateDir + QDir::separator() + dialog.templateName();
    loadFile(m_lastChosenPath, true);
}

void QAMainWindowEditor::fileOpen()
{
    if (askSaveChanges() != SaveAnswer::Proceed)
        return;
    m_lastChosenPath = QADialogSeam::instance().openFileName(
        this, QStringLiteral("FSB"), tr("Open"), m_templateDir,
        m_fileFilters.join(QLatin1String(";;")));
    if (!m_lastChosenPath.isEmpty())
        loadFile(m_lastChosenPath, false);
}

void QAMainWindowEditor::fileSave()
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

void QAMainWindowEditor::fileExportAs()
{
    QString path = QADialogSeam::instance().saveFileName(this, QStringLiteral("Export ZYN dialog"),
                                                         tr("Export xdp In"), QString(),
                                                         QStringLiteral("Text (*.txt)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(".txt");
    // The script reads the document as last saved, not what is in memory.
    runExport(m_currentFilePath, path);
}

void QAMainWindowEditor::fileSaveAs(const QString &name)
{
    saveAs(name);
}

// The save-as dialog and its checks; answers whether the document was written.
bool QAMainWindowEditor::saveAs(const QString &name)
{
    QString path = QADialogSeam::instance().saveFileName(
        this, QStringLiteral("save xdp file dialog"), tr("Save xdp As"),
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
            this, QMessageBox::Critical, caption(),
            tr("The name of a .xdp file cannot contain one of the following characters:")
                + QStringLiteral("\n\t[\\ /+*?~|, :\"'`]"));
        return saveAs(info.absolutePath() + QDir::separator()
                      + QAFileUtil::generateFilename(fileName));
    }

    if (info.exists()) {
        const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
            this, QMessageBox::Warning, caption(),
            tr("The file %1 already exists.\n Do you want to replace it?").arg(path),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return saveAs(QString());
        return saveOverExistingFile(path);
    }

    m_currentFilePath = path;
    return saveFile(path);
}

void QAMainWindowEditor::fileGenerateAs()
{
    // A protected document (a template) gets a name of its own before anything is written.
    if (isReadOnly(m_rootElement) && !saveAs(QString()))
        return;
    QString directory = QADialogSeam::instance().existingDirectory(
        this, QStringLiteral("Generate ZYN dialog"), tr("Generate ZYN In"), m_generateIn);
    if (directory.endsWith(QDir::separator()) || directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    if (directory.isEmpty())
        return;
    scanTargets(directory);
    m_generateIn = directory;
    if (saveFile(m_currentFilePath))
        runGenerator(m_currentFilePath, m_generateIn);
}

void QAMainWindowEditor::getStderr()
{
    if (m_runningProcess && !m_runningProcess->lastErrorLine().isNull())
        m_errorText = m_runningProcess->lastErrorLine() + QLatin1Char('\n');
}

void QAMainWindowEditor::zynFilesGenerated()
{
    if (m_runningProcess && m_runningProcess->hasFinished())
        finishScript(m_runningProcess, ScriptKind::Generator);
}

void QAMainWindowEditor::zynFileExported()
{
    if (m_runningProcess && m_runningProcess->hasFinished())
        finishScript(m_runningProcess, ScriptKind::Export);
}

void QAMainWindowEditor::loadFile(const QString &path, bool asNew)
{
    if (path.isEmpty())
        return;
    if (!canBeRead(path)) {
        QADialogSeam::instance().message(
            this, QMessageBox::Warning, caption(),
            path + tr("\n\nYou don't have the access right to read this .xdp file."));
        return;
    }
    statusBar()->showMessage(tr("Loading file..."));

    // The file is checked in a document of its own first, so that a refused file leaves the open
    // document as it was; an accepted one becomes the editor's as it is, read only once.
    QDomDocument candidate;
    QAAttributeOrder attributeOrder;
    const QDomElement accepted = readAcceptedRoot(path, candidate, &attributeOrder);
    if (accepted.isNull()) {
        rejectLoad();
        return;
    }

    m_editor->clearTree();
    m_editor->setModified(false);
    m_rootElement = m_editor->adoptDocument(candidate, std::move(attributeOrder));

    m_generateIn = m_rootElement.attribute(Zyn::Attr::GenerateIn, m_generateIn);
    if (!QFileInfo::exists(m_generateIn))
        resetGenerateIn();
    m_editor->setGenerateIn(m_generateIn);

    if (!m_editor->buildTree(m_rootElement)) {
        failLoad();
        return;
    }
    QAZynEditorTree *tree = m_editor->editorTree();
    if (QTreeWidgetItem *first = tree->topLevelItem(0)) {
        tree->setCurrentItem(first);
        m_editor->showViewer(first);
    }
    setFileActionsEnabled(true);
    m_currentFilePath = asNew ? m_templateDir + QDir::separator() + NewDocumentName : path;
    m_currentTarget = findTarget(currentTargetDirectory(), targetLabel(m_rootElement));
    updateCaption();
    statusBar()->showMessage(tr("File loaded."), ResultDuration);
}

// Reads path into document and answers its root when the editor can edit it, after converting an
// older version if the user wants; a null element once the user was told why not.
QDomElement QAMainWindowEditor::readAcceptedRoot(const QString &path, QDomDocument &document,
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
                this, QMessageBox::Warning, caption(),
                tr("This xdp file does not correspond to the current version. It requires an "
                   "update to be edited."),
                { tr("Update"), tr("Don't edit") }, 0);
            if (answer != 0)
                return QDomElement();
            if (!m_versionChecker->updateFile(path, version)) {
                dialogs.message(this, QMessageBox::Critical, caption(),
                                tr("Error updating ZYN file, cancel load"));
                return QDomElement();
            }
            continue; // the converted file is read and classified again
        }
        case QAZYNVersion::VersionUnknown:
            dialogs.message(this, QMessageBox::Critical, caption(),
                            tr("Unknown version for ZYN file, can't edit"));
            return QDomElement();
        case QAZYNVersion::VersionNewer:
            dialogs.message(this, QMessageBox::Critical, caption(),
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
void QAMainWindowEditor::rejectLoad()
{
    if (m_rootElement.isNull()) {
        setWindowTitle(caption());
        setFileActionsEnabled(false);
        m_editor->setModified(false);
    }
    // Why the file could not be read, where the reader said ("line:column: message").
    const QString why = m_loadError.isEmpty() ? QString() : QLatin1Char(' ') + m_loadError;
    statusBar()->showMessage(tr("ERROR: cannot load the file.") + why, ResultDuration);
}

// A load that failed after the editor gave up its document: nothing is left open.
void QAMainWindowEditor::failLoad()
{
    m_editor->clearTree();
    m_rootElement = QDomElement();
    setWindowTitle(caption());
    setFileActionsEnabled(false);
    statusBar()->showMessage(tr("ERROR: cannot load the file."), ResultDuration);
    m_editor->setModified(false);
}

bool QAMainWindowEditor::saveFile(const QString &path)
{
    if (path.isEmpty() || m_rootElement.isNull())
        return false;
    if (!canBeWritten(path)) {
        QADialogSeam::instance().message(
            this, QMessageBox::Warning, caption(),
            path
                + QStringLiteral(
                    "\n\nYou cannot save this .xdp file because the file is in read only mode."));
        return false;
    }
    statusBar()->showMessage(tr("Saving file..."));
    m_editor->acceptRename(m_editor->editorTree()->currentItem());

    if (!isTargetNameFree(m_rootElement)) {
        const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
            this, QMessageBox::Warning, caption(),
            m_rootElement.attribute(Zyn::Attr::Name)
                + QStringLiteral("\nalready exists in your \"targets/\" directory.\n Do you want "
                                 "to save anyway?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            // Let the user give the target another name right away.
            QAZynEditorTree *tree = m_editor->editorTree();
            if (QTreeWidgetItem *first = tree->topLevelItem(0)) {
                tree->setCurrentItem(first);
                m_editor->showViewer(first);
                if (auto *node = dynamic_cast<QAZynEditorNode *>(first))
                    node->startRename(0);
            }
            statusBar()->showMessage(tr("xdp file not saved."), ResultDuration);
            return false;
        }
    }

    int dropped = 0;
    if (!writeDocument(path, &dropped)) {
        statusBar()->showMessage(tr("ERROR: cannot save the file."), ResultDuration);
        return false;
    }
    writeSettings(path);

    removeTarget(m_currentTarget);
    m_targets.push_back(
        std::make_unique<QZynId>(QZynId { currentTargetDirectory(), targetLabel(m_rootElement) }));
    m_currentTarget = m_targets.back().get();

    m_editor->setModified(false);
    if (dropped > 0)
        statusBar()->showMessage(tr("xdp file saved; %n character(s) that XML cannot hold were "
                                    "left out.",
                                    "", dropped),
                                 ResultDuration);
    else
        statusBar()->showMessage(tr("xdp file saved."), ResultDuration);
    updateCaption();
    return true;
}

// Writes the document with the save attributes set, atomically: on any failure the file at path
// is left as it was, and so are the root's attributes.
bool QAMainWindowEditor::writeDocument(const QString &path, int *droppedCharacters)
{
    struct Saved
    {
        QLatin1String name;
        bool present;
        QString value;
    };
    const QLatin1String names[] = { Zyn::Attr::ReadOnly, Zyn::Attr::GenerateIn };
    std::vector<Saved> previous;
    for (const QLatin1String &name : names)
        previous.push_back(
            { name, m_rootElement.hasAttribute(name), m_rootElement.attribute(name) });

    m_rootElement.setAttribute(Zyn::Attr::ReadOnly, Zyn::Value::No);
    m_rootElement.setAttribute(Zyn::Attr::GenerateIn, m_generateIn);

    QAZynWriter writer(&m_editor->attributeOrder());
    const QByteArray bytes = writer.write(m_rootElement);
    if (!QAZynWriter::isWellFormed(bytes) || !commitFile(path, bytes)) {
        for (const Saved &attribute : previous) {
            if (attribute.present)
                m_rootElement.setAttribute(attribute.name, attribute.value);
            else
                m_rootElement.removeAttribute(attribute.name);
        }
        return false;
    }
    m_editor->setGenerateIn(m_generateIn);
    *droppedCharacters = writer.droppedCharacters();
    return true;
}

void QAMainWindowEditor::scanTargets(const QString &directory)
{
    // The entries go; so does any pointer into them.
    m_currentTarget = nullptr;
    m_targets.clear();

    const QDir dir(directory);
    if (!dir.exists()) {
        warning("%s directory doesn't exists", qPrintable(directory));
        return;
    }
    if (!QFileInfo(directory).isReadable()) {
        warning("This directory is not readable");
        return;
    }
    const QFileInfoList entries
        = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QDir target(entry.absoluteFilePath());
        const QFileInfoList iniFiles
            = target.entryInfoList({ QStringLiteral("*.ini") }, QDir::Files, QDir::Name);
        for (const QFileInfo &ini : iniFiles) {
            QFile file(ini.absoluteFilePath());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            QTextStream in(&file);
            QString line;
            while (in.readLineInto(&line)) {
                if (!line.contains(QLatin1String("NAME=")))
                    continue;
                line.remove(QLatin1String("NAME="));
                line.remove(QLatin1Char('"'));
                m_targets.push_back(std::make_unique<QZynId>(QZynId { entry.fileName(), line }));
            }
        }
    }
}

const QAMainWindowEditor::QZynId *QAMainWindowEditor::findTarget(const QString &directoryName,
                                                                 const QString &targetName) const
{
    const QZynId *found = nullptr;
    for (const auto &entry : m_targets) {
        if (entry->directoryName == directoryName && entry->targetName == targetName)
            found = entry.get();
    }
    return found;
}

bool QAMainWindowEditor::isTargetNameFree(const QDomElement &root) const
{
    const QString directoryName = currentTargetDirectory();
    const QString targetName = targetLabel(root);
    return std::none_of(m_targets.cbegin(), m_targets.cend(), [&](const auto &entry) {
        return entry->targetName == targetName && entry->directoryName != directoryName;
    });
}

QString QAMainWindowEditor::targetLabel(const QDomElement &root)
{
    const bool cpp = root.attribute(Zyn::Attr::Type) == Zyn::Value::CppType;
    return (cpp ? QStringLiteral("C++ ") : QStringLiteral("Ada "))
        + root.attribute(Zyn::Attr::Name);
}

QString QAMainWindowEditor::currentFileName() const
{
    return QFileInfo(m_currentFilePath).fileName();
}

QString QAMainWindowEditor::currentTargetDirectory() const
{
    return withoutXdp(currentFileName());
}

void QAMainWindowEditor::removeTarget(const QZynId *entry)
{
    if (!entry)
        return;
    if (entry == m_currentTarget)
        m_currentTarget = nullptr;
    m_targets.erase(std::remove_if(m_targets.begin(), m_targets.end(),
                                   [entry](const auto &e) { return e.get() == entry; }),
                    m_targets.end());
}

void QAMainWindowEditor::resetGenerateIn()
{
    m_generateIn = QAInstall::targetDir(m_programPath);
    const QString candidate = QAInstall::applicationData(m_programPath) + QDir::separator()
        + QFileInfo(m_generateIn).baseName();
    if (QFileInfo(candidate).isDir())
        m_generateIn = QFileInfo(candidate).absoluteFilePath();
}

void QAMainWindowEditor::updateCaption()
{
    const QString name = currentFileName();
    if (name.isEmpty())
        return;
    QString text = name;
    if (isReadOnly(m_rootElement) && name != NewDocumentName)
        text += QStringLiteral(" (") + tr("Read only") + QLatin1Char(')');
    setWindowTitle(text + QStringLiteral(" - ") + caption());
}

// The question of New, Open and the window's close alike.
QMessageBox::StandardButton QAMainWindowEditor::saveChangesQuestion()
{
    return QADialogSeam::instance().message(
        this, QMessageBox::Information, caption(),
        tr("Save changes to ") + currentFileName() + QLatin1Char('?'),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
        QMessageBox::Cancel);
}

QAMainWindowEditor::SaveAnswer QAMainWindowEditor::askSaveChanges()
{
    if (!m_editor->isModified())
        return SaveAnswer::Proceed;
    const QMessageBox::StandardButton answer = saveChangesQuestion();
    if (answer == QMessageBox::No)
        return SaveAnswer::Proceed;
    if (answer == QMessageBox::Yes)
        fileSave(); // the user repeats the command afterwards
    return SaveAnswer::Stop;
}

void QAMainWindowEditor::saveOverExisting(const QString &path)
{
    saveOverExistingFile(path);
}

// Answers whether the document was written over path.
bool QAMainWindowEditor::saveOverExistingFile(const QString &path)
{
    // Read into a document of its own: the editor's document is the one being saved.
    QDomDocument existing;
    const QDomElement existingRoot = QAXmlEditor::readRootElement(path, existing);
    if (!existingRoot.isNull() && isReadOnly(existingRoot)) {
        const QMessageBox::StandardButton answer = QADialogSeam::instance().message(
            this, QMessageBox::Warning, caption(),
            path + tr(" cannot be overwritten.\n Please select another file."),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel);
        if (answer == QMessageBox::Ok)
            return saveAs(QString());
        return false;
    }

    m_currentFilePath = path;
    if (!existingRoot.isNull()) {
        const QZynId *replaced
            = findTarget(withoutXdp(QFileInfo(path).fileName()), targetLabel(existingRoot));
        if (replaced) {
            removeTarget(replaced);
            m_currentTarget = findTarget(currentTargetDirectory(), targetLabel(m_rootElement));
        }
    }
    return saveFile(m_currentFilePath);
}

// The window's sizes and the recent file are kept by a save only.
void QAMainWindowEditor::writeSettings(const QString &recentFile)
{
    if (!m_settings)
        return;
    const QList<int> sizes = m_editor->verticalSplitter()->sizes();
    m_settings->setValue(QLatin1String(WidthKey), width());
    m_settings->setValue(QLatin1String(HeightKey), height());
    m_settings->setValue(QLatin1String(DocSplitterKey), sizes.value(0));
    m_settings->setValue(QLatin1String(PaneSplitterKey), sizes.value(1));
    m_settings->setValue(QLatin1String(HelpBrowserKey), m_editor->help().getCommand());
    m_settings->setValue(QLatin1String(RecentFileKey), recentFile);
    m_settings->sync();
}

void QAMainWindowEditor::runGenerator(const QString &documentPath, const QString &directory)
{
    startScript(ScriptKind::Generator, documentPath, directory);
}

void QAMainWindowEditor::runExport(const QString &documentPath, const QString &textPath)
{
    startScript(ScriptKind::Export, documentPath, textPath);
}

namespace {

struct ScriptTexts
{
    const char *script;
    const char *startFailure;
    const char *success;
    const char *failure;
};

const ScriptTexts GeneratorTexts = {
    "zyngen.pl",
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "ERROR: cannot generate all the Moravel files."),
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "ZYN Files saved."),
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "ERROR during saving file."),
};

const ScriptTexts ExportTexts = {
    "zynprint.pl",
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "ERROR: cannot export this Moravel (xdp) file."),
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "xdp file exported."),
    QT_TRANSLATE_NOOP("QAMainWindowEditor", "ERROR during export file."),
};

} // namespace

// Each run has a runner of its own; whatever another run does meanwhile, a run's end reports on
// that run only.
void QAMainWindowEditor::startScript(ScriptKind kind, const QString &documentPath,
                                     const QString &lastArgument)
{
    const ScriptTexts &texts = kind == ScriptKind::Generator ? GeneratorTexts : ExportTexts;
    auto *runner = new QAScriptRunner(
        m_programPath, QAInstall::scriptPath(m_programPath, QLatin1String(texts.script)),
        { documentPath, lastArgument }, this);
    m_runningProcess = runner;
    connect(runner, &QAScriptRunner::standardErrorLine, this, [this, runner] {
        if (runner == m_runningProcess)
            getStderr();
    });
    connect(runner, &QAScriptRunner::finished, this,
            [this, runner, kind] { finishScript(runner, kind); });
    statusBar()->showMessage(tr("Generate ZYN..."));

    if (!runner->start()) {
        // The interpreter, its option, the script and the document, as they are.
        const QString command = runner->command().mid(0, 4).join(QString());
        QAZynErrorDialog dialog(command + QLatin1Char('\n') + tr("Unable to run command"), this);
        QADialogSeam::instance().exec(&dialog);
        m_runningProcess = nullptr;
        runner->deleteLater();
        statusBar()->showMessage(tr(texts.startFailure), ResultDuration);
    }
}

void QAMainWindowEditor::finishScript(QAScriptRunner *runner, ScriptKind kind)
{
    const ScriptTexts &texts = kind == ScriptKind::Generator ? GeneratorTexts : ExportTexts;
    if (runner == m_runningProcess)
        m_runningProcess = nullptr;
    runner->deleteLater();
    // A crashed or killed script leaves "Generate ZYN..." showing.
    if (runner->crashed())
        return;
    if (runner->exitCode() != 0) {
        // The run's own last line: the error text of another run would mislead.
        const QString lastLine = runner->lastErrorLine();
        QAZynErrorDialog dialog(lastLine.isNull() ? QString() : lastLine + QLatin1Char('\n'), this);
        QADialogSeam::instance().exec(&dialog);
        statusBar()->showMessage(tr(texts.failure), ResultDuration);
    } else {
        statusBar()->showMessage(tr(texts.success), ResultDuration);
        updateCaption();
    }
}

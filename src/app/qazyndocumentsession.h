#pragma once

#include "app/qadocumentguard.h"
#include "app/qazyntargets.h"
#include "sdk/qaxmleditor.h"

#include <QDomElement>
#include <QMessageBox>
#include <QObject>
#include <QStringList>

class QAZYNVersion;
class QAZynScriptRun;
class QAZynEditor;
class QDomDocument;
class QWidget;

// The open document's lifecycle behind the File menu: new, open, save, save as, generate, export,
// and the list of existing targets that a save checks. The window shows what it reports: status
// messages, the caption, whether the file commands apply.
class QAZynDocumentSession : public QObject
{
    Q_OBJECT

public:
    enum class SaveAnswer { Proceed, Stop };

    // window is the parent of every question and of the script runs.
    QAZynDocumentSession(const QString &programPath, QWidget *window);

    // The editor area and the version checker exist once the window has built them.
    void attach(QAZynEditor *editor, QAZYNVersion *versionChecker);

    QString currentFilePath() const { return m_currentFilePath; }
    QString currentFileName() const;
    QString generateInDirectory() const { return m_generateIn; }
    QString templateDirectory() const { return m_templateDir; }
    QString installTargetDirectory() const { return m_installTargetDir; }
    QAZynTargets &targets() { return m_targets; }
    const QAZynTargets &targets() const { return m_targets; }
    bool isTargetNameFree(const QDomElement &root) const;
    QAZynEditor *editor() const { return m_editor; }
    QADocumentGuard *guard() const { return m_guard; }

    void fileNew();
    void fileOpen();
    void fileSave();
    void fileExportAs();
    bool saveAs(const QString &name);
    void fileGenerateAs();
    void loadFile(const QString &path, bool asNew);
    bool saveFile(const QString &path);
    // Reads source as the document named name; answers whether it is now open.
    bool readDocument(const QString &source, const QString &name, bool asNew);

    // The window's close: false when the user keeps it open or the save did not happen.
    bool mayClose();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);
    void captionChanged(const QString &caption);
    // The save, save-as, generate and export commands apply only with a document open.
    void documentOpen(bool open);
    // A save wrote path.
    void saved(const QString &path);
    // The user answered Yes to saving the changes: the window runs its Save & Generate command.
    void saveRequested();

private:
    void resetGenerateIn();
    QString defaultGenerateIn() const;
    void updateCaption();
    SaveAnswer askSaveChanges();
    QMessageBox::StandardButton saveChangesQuestion();
    bool saveOverExistingFile(const QString &path);
    bool confirmTargetName();
    bool writeDocument(const QString &path, int *droppedCharacters);
    QDomElement readAcceptedRoot(const QString &path, QDomDocument &document,
                                 QAAttributeOrder *attributeOrder);
    void showDocument(bool asNew, const QString &documentPath);
    void rejectLoad();
    void failLoad();
    void showFirstNode(bool rename);
    QString currentTargetDirectory() const;
    void runGenerator(const QString &documentPath, const QString &directory);
    void runExport(const QString &documentPath, const QString &textPath);
    void startRun(QAZynScriptRun *run);

    QString m_programPath;
    QWidget *m_window;
    QStringList m_fileFilters;
    QString m_generateIn;
    QString m_installTargetDir;
    QString m_templateDir;
    QString m_currentFilePath;
    QString m_lastChosenPath;
    // Why the last read was refused, for the status bar.
    QString m_loadError;
    QDomElement m_rootElement;
    QAZynTargets m_targets;
    QAZynEditor *m_editor = nullptr;
    QAZYNVersion *m_versionChecker = nullptr;
    QADocumentGuard *m_guard = nullptr;
};

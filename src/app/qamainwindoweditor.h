#pragma once

#include "dialogs/qasearchrequest.h"
#include "sdk/qahelp.h"
#include "sdk/qaxmleditor.h"

#include <QDomElement>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

class QAction;
class QAZYNVersion;
class QAScriptRunner;
class QAZynEditor;
class QAzynPrefDialog;
class QComboBox;
class QKeySequence;
class QMenu;
class QProcess;
class QSettings;
class QToolBar;

// The program's only main window: actions, menus, toolbars, settings, and the document
// lifecycle (new, open, save, generate, export).
class QAMainWindowEditor : public QMainWindow
{
    Q_OBJECT

public:
    // One existing target: the directory it was generated into and its label.
    struct QZynId
    {
        QString directoryName;
        QString targetName;
    };

    QAMainWindowEditor(const QStringList &arguments, QWidget *parent = nullptr);
    ~QAMainWindowEditor() override;

    QAZynEditor *editorArea() const { return m_editor; }
    QString currentFilePath() const { return m_currentFilePath; }
    QString generateInDirectory() const { return m_generateIn; }
    QString templateDirectory() const { return m_templateDir; }
    const std::vector<std::unique_ptr<QZynId>> &targets() const { return m_targets; }
    const QZynId *currentTarget() const { return m_currentTarget; }
    QComboBox *findBox() const { return m_findBox; }

    // Document lifecycle, also used by start-up and tests.
    void loadFile(const QString &path, bool asNew);
    bool saveFile(const QString &path);
    void scanTargets(const QString &directory);
    const QZynId *findTarget(const QString &directoryName, const QString &targetName) const;
    bool isTargetNameFree(const QDomElement &root) const;
    static QString targetLabel(const QDomElement &root);
    QString currentFileName() const;

public Q_SLOTS:
    virtual void fileNew();
    virtual void fileOpen();
    virtual void fileSave();
    virtual void fileExportAs();
    virtual void fileSaveAs(const QString &name = QString());
    virtual void fileGenerateAs();
    virtual void fileExit();
    virtual void editUndo();
    virtual void editRedo();
    virtual void editCut();
    virtual void editCopy();
    virtual void editPaste();
    void editDelete();
    void findByString();
    void openPreferences();
    void getPreferences();
    virtual void editSelectAll();
    virtual void helpContents();
    void initializeWeb();
    void kvnweb();
    void zynweb();
    void supportweb();
    void homeweb();
    virtual void helpAbout();
    void getStderr();
    void zynFilesGenerated();
    void zynFileExported();

Q_SIGNALS:
    void search(const QASearchRequest &request);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class SaveAnswer { Proceed, Stop };
    enum class ScriptKind { Generator, Export };
    enum class EditCommand { Undo, Redo, Cut, Copy, Paste, SelectAll };

    // Settings keys, spelled as every earlier version of the editor wrote them.
    static constexpr char RecentFileKey[] = "/Corvin/zyneditor/recentFile";
    static constexpr char WidthKey[] = "/Corvin/zyneditor/width";
    static constexpr char HeightKey[] = "/Corvin/zyneditor/height";
    static constexpr char DocSplitterKey[] = "/Corvin/zyneditor/splitter2";
    static constexpr char PaneSplitterKey[] = "/Corvin/zyneditor/splitter22";
    static constexpr char HelpBrowserKey[] = "/Corvin/zyneditor/helpBrowser";

    // Construction steps
    void initDocumentState();
    void createActions();
    void createMenus();
    void createToolBars();
    void createCentralArea();
    void createFindBar();
    void createVersionChecker();
    void openStartupDocument();
    void restoreGeometry();
    void createPreferences();
    void createStatusBar();

    // Shell helpers
    QAction *createAction(const char *objectName, const QString &text, const QString &menuText,
                          const QKeySequence &key, const char *iconName = nullptr);
    void forwardEdit(EditCommand command);
    void openWebPage(const QString &url);

    // Document lifecycle
    void resetGenerateIn();
    void updateCaption();
    SaveAnswer askSaveChanges();
    QMessageBox::StandardButton saveChangesQuestion();
    void waitForScripts();
    void setFileActionsEnabled(bool enabled);
    void saveOverExisting(const QString &path);
    void writeSettings(const QString &recentFile);
    void runGenerator(const QString &documentPath, const QString &directory);
    void runExport(const QString &documentPath, const QString &textPath);

    // Lifecycle helpers
    bool saveAs(const QString &name);
    bool saveOverExistingFile(const QString &path);
    bool writeDocument(const QString &path, int *droppedCharacters);
    QDomElement readAcceptedRoot(const QString &path, QDomDocument &document,
                                 QAAttributeOrder *attributeOrder = nullptr);
    void rejectLoad();
    void failLoad();
    QString currentTargetDirectory() const;
    void removeTarget(const QZynId *entry);
    void startScript(ScriptKind kind, const QString &documentPath, const QString &lastArgument);
    void finishScript(QAScriptRunner *runner, ScriptKind kind);

    QString m_programPath;
    QString m_commandLineFile;
    QStringList m_fileFilters;
    QString m_generateIn;
    QString m_installTargetDir;
    QString m_templateDir;
    QString m_currentFilePath;
    QString m_lastChosenPath;
    QDomElement m_rootElement;
    QPointer<QAScriptRunner> m_runningProcess;
    QString m_errorText;
    QString m_loadError;
    std::vector<std::unique_ptr<QZynId>> m_targets;
    const QZynId *m_currentTarget = nullptr;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_webMenu = nullptr;
    QToolBar *m_toolsToolBar = nullptr;
    QToolBar *m_findToolBar = nullptr;

    QAction *m_fileNewAction = nullptr;
    QAction *m_fileOpenAction = nullptr;
    QAction *m_fileSaveAction = nullptr;
    QAction *m_fileSaveAsAction = nullptr;
    QAction *m_fileGenerateAsAction = nullptr;
    QAction *m_fileExportAsAction = nullptr;
    QAction *m_fileExitAction = nullptr;
    QAction *m_editUndoAction = nullptr;
    QAction *m_editRedoAction = nullptr;
    QAction *m_editCutAction = nullptr;
    QAction *m_editCopyAction = nullptr;
    QAction *m_editPasteAction = nullptr;
    QAction *m_editDeleteAction = nullptr;
    QAction *m_editFindAction = nullptr;
    QAction *m_editPrefAction = nullptr;
    QAction *m_editSelectAllAction = nullptr;
    QAction *m_helpContentsAction = nullptr;
    QAction *m_kvnWebAction = nullptr;
    QAction *m_zynWebAction = nullptr;
    QAction *m_supportWebAction = nullptr;
    QAction *m_homeWebAction = nullptr;
    QAction *m_helpAboutAction = nullptr;

    QWidget *m_centralBox = nullptr;
    QAZynEditor *m_editor = nullptr;
    QComboBox *m_findBox = nullptr;
    QAzynPrefDialog *m_preferences = nullptr;
    QAZYNVersion *m_versionChecker = nullptr;
    std::unique_ptr<QSettings> m_settings;

    QString m_homeUrl;
    QString m_supportUrl;
    QString m_productUrl;
    QString m_packageUrl;
    QAHelp m_help;
};

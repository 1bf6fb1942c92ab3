#pragma once

#include "app/editforwarding.h"
#include "app/qazyndocumentsession.h"
#include "app/qazyntargets.h"
#include "dialogs/qasearchrequest.h"
#include "sdk/qahelp.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QAHistoryDock;
class QAZYNVersion;
class QAZynDocumentSession;
class QAZynEditor;
class QAzynPrefDialog;
class QComboBox;
class QDomElement;
class QKeySequence;
class QMenu;
class QSettings;
class QToolBar;

// The program's only main window: actions, menus, toolbars, the find bar, settings, help and web
// links. The document lifecycle behind the File menu is the document session's.
class QAMainWindowEditor : public QMainWindow
{
    Q_OBJECT

public:
    using QZynId = QAZynTargets::QZynId;

    QAMainWindowEditor(const QStringList &arguments, QWidget *parent = nullptr);
    ~QAMainWindowEditor() override;

    QAZynEditor *editorArea() const { return m_editor; }
    QAZynDocumentSession *documentSession() const { return m_session; }
    QComboBox *findBox() const { return m_findBox; }
    QAHistoryDock *historyDock() const { return m_historyDock; }

    // The document lifecycle is the session's; these are the names start-up and tests use.
    QString currentFilePath() const { return m_session->currentFilePath(); }
    QString generateInDirectory() const { return m_session->generateInDirectory(); }
    QString templateDirectory() const { return m_session->templateDirectory(); }
    const QAZynTargets::Entries &targets() const { return m_session->targets().entries(); }
    const QZynId *currentTarget() const { return m_session->targets().current(); }
    void loadFile(const QString &path, bool asNew) { m_session->loadFile(path, asNew); }
    bool saveFile(const QString &path) { return m_session->saveFile(path); }
    void scanTargets(const QString &directory) { m_session->targets().scan(directory); }
    const QZynId *findTarget(const QString &directoryName, const QString &targetName) const
    {
        return m_session->targets().find(directoryName, targetName);
    }
    bool isTargetNameFree(const QDomElement &root) const
    {
        return m_session->isTargetNameFree(root);
    }
    static QString targetLabel(const QDomElement &root) { return QAZynTargets::label(root); }
    QString currentFileName() const { return m_session->currentFileName(); }

public Q_SLOTS:
    virtual void fileNew() { m_session->fileNew(); }
    virtual void fileOpen() { m_session->fileOpen(); }
    virtual void fileSave() { m_session->fileSave(); }
    virtual void fileExportAs() { m_session->fileExportAs(); }
    virtual void fileSaveAs(const QString &name = QString()) { m_session->saveAs(name); }
    virtual void fileGenerateAs() { m_session->fileGenerateAs(); }
    virtual void fileExit() { close(); }
    // The document's history, whatever has the focus: fields keep no history of their own.
    virtual void editUndo();
    virtual void editRedo();
    virtual void editCut() { forwardEdit(focusWidget(), EditCommand::Cut); }
    virtual void editCopy() { forwardEdit(focusWidget(), EditCommand::Copy); }
    virtual void editPaste() { forwardEdit(focusWidget(), EditCommand::Paste); }
    void editDelete();
    void findByString();
    void openPreferences();
    void getPreferences();
    virtual void editSelectAll() { forwardEdit(focusWidget(), EditCommand::SelectAll); }
    virtual void helpContents();
    void initializeWeb();
    void kvnweb() { openWebPage(m_productUrl); }
    void zynweb() { openWebPage(m_packageUrl); }
    void supportweb() { openWebPage(m_supportUrl); }
    void homeweb() { openWebPage(m_homeUrl); }
    virtual void helpAbout();

Q_SIGNALS:
    void search(const QASearchRequest &request);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Settings keys, spelled as every earlier version of the editor wrote them.
    static constexpr char RecentFileKey[] = "/Corvin/zyneditor/recentFile";
    static constexpr char WidthKey[] = "/Corvin/zyneditor/width";
    static constexpr char HeightKey[] = "/Corvin/zyneditor/height";
    static constexpr char DocSplitterKey[] = "/Corvin/zyneditor/splitter2";
    static constexpr char PaneSplitterKey[] = "/Corvin/zyneditor/splitter22";
    static constexpr char HelpBrowserKey[] = "/Corvin/zyneditor/helpBrowser";

    // Construction steps
    void createDocumentSession();
    void createActions();
    void createFileActions();
    void createEditActions();
    void createHelpActions();
    void createMenus();
    void createToolBars();
    void createCentralArea();
    void createFindBar();
    void createVersionChecker();
    void readStartupDocumentAhead();
    void openStartupDocument();
    void restoreGeometry();
    void createPreferences();
    void createStatusBar();

    // Shell helpers
    QString startupDocument() const;
    using Operation = void (QAMainWindowEditor::*)();
    // An action of the window; triggering it runs the operation, when there is one.
    QAction *createAction(Operation operation, const char *objectName, const QString &text,
                          const QString &menuText, const QKeySequence &key,
                          const char *iconName = nullptr);
    void setFileActionsEnabled(bool enabled);
    void writeSettings(const QString &recentFile);
    void openWebPage(const QString &url);

    QString m_programPath;
    QString m_commandLineFile;
    QAZynDocumentSession *m_session = nullptr;

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
    QAction *m_editFindInDocumentAction = nullptr;
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
    QAHistoryDock *m_historyDock = nullptr;
    QAzynPrefDialog *m_preferences = nullptr;
    QAZYNVersion *m_versionChecker = nullptr;
    std::unique_ptr<QSettings> m_settings;

    QString m_homeUrl;
    QString m_supportUrl;
    QString m_productUrl;
    QString m_packageUrl;
    QAHelp m_help;
};

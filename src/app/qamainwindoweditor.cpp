// The shell of the main window: actions, menus, toolbars, find bar, status bar, settings, edit
// forwarding, help and web links. The document lifecycle is the document session's.
#include "app/qamainwindoweditor.h"

#include "app/editforwarding.h"
#include "app/qadocumentguard.h"
#include "app/qahistorydock.h"
#include "app/qazyndocumentsession.h"
#include "app/qazynscriptrun.h"
#include "app/startupwarmup.h"
#include "dialogs/qapreferences.h"
#include "dialogs/qazynaboutdialog.h"
#include "dialogs/qazyndocbrowser.h"
#include "dialogs/qazynprefdialog.h"
#include "dialogs/qazynsplashwindow.h"
#include "dialogs/qazynversion.h"
#include "document/qarecoverystore.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "find/qafindindocument.h"
#include "sdk/getpix.h"
#include "sdk/qabackgroundicon.h"
#include "sdk/qainstall.h"
#include "sdk/qares.h"
#include "sdk/qaxmlreadahead.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

QAMainWindowEditor::QAMainWindowEditor(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_programPath(arguments.value(0))
    , m_commandLineFile(arguments.value(1))
{
    m_settings = std::make_unique<QSettings>();
    readStartupDocumentAhead();
    createDocumentSession();
    createVersionChecker();
    resize(640, 480);
    QAZynSplashWindow splash(m_programPath);
    splash.show();
    setWindowTitle(productCaption());
    setWindowIcon(QABackgroundIcon::load(windowIconName(), builtinImage(windowIconName())));
    createActions();
    createToolBars();
    createMenus();
    createCentralArea();
    m_historyDock = QAHistoryDock::install(m_editor->undoStack(), this, m_editMenu,
                                           { m_editUndoAction, m_editRedoAction });
    createFindBar();
    QAFindInDocument::installDock(m_editor, this, m_editFindInDocumentAction);
    m_versionChecker->waitForVersionList();
    m_session->attach(m_editor, m_versionChecker);
    openStartupDocument();
    restoreGeometry();
    createPreferences();
    createStatusBar();
    initializeWeb();
}

QAMainWindowEditor::~QAMainWindowEditor() = default;

// Construction: file filters, generate-in directory, known targets and template directory.
void QAMainWindowEditor::createDocumentSession()
{
    m_session = new QAZynDocumentSession(m_programPath, this);
    // The status bar is made when the first message comes: it is the first widget to measure
    // text, and the font list is still being read at this point.
    connect(m_session, &QAZynDocumentSession::statusMsg, this,
            [this](const QString &text, int timeout) { statusBar()->showMessage(text, timeout); });
    connect(m_session, &QAZynDocumentSession::captionChanged, this,
            &QAMainWindowEditor::setWindowTitle);
    connect(m_session, &QAZynDocumentSession::documentOpen, this,
            &QAMainWindowEditor::setFileActionsEnabled);
    connect(m_session, &QAZynDocumentSession::saved, this, &QAMainWindowEditor::writeSettings);
    connect(m_session, &QAZynDocumentSession::saveRequested, this, &QAMainWindowEditor::fileSave);
}

QAction *QAMainWindowEditor::createAction(Operation operation, const char *objectName,
                                          const QString &text, const QString &menuText,
                                          const QKeySequence &key, const char *iconName)
{
    auto *action = new QAction(menuText, this);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(text);
    action->setShortcut(key);
    if (iconName) {
        const QString name = QLatin1String(iconName);
        action->setIcon(QABackgroundIcon::load(name, builtinImage(name)));
    }
    if (operation)
        connect(action, &QAction::triggered, this, operation);
    return action;
}

void QAMainWindowEditor::createActions()
{
    createFileActions();
    createEditActions();
    createHelpActions();
    // Nothing to save or export until a document is open.
    setFileActionsEnabled(false);
}

void QAMainWindowEditor::createFileActions()
{
    using Self = QAMainWindowEditor;
    m_fileNewAction = createAction(&Self::fileNew, "fileNewAction", tr("Create a new file"),
                                   tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), "new_xpm");
    m_fileOpenAction = createAction(&Self::fileOpen, "fileOpenAction", tr("Open an existing file"),
                                    tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), "open_xpm");
    m_fileSaveAction
        = createAction(&Self::fileSave, "fileSaveAction", tr("Save and Generate the current file"),
                       tr("&Save && Generate"), QKeySequence(Qt::CTRL | Qt::Key_S), "save_xpm");
    m_fileSaveAsAction
        = createAction(nullptr, "fileSaveAsAction", tr("Save the current xdp file with a new name"),
                       tr("Save xdp &As..."), QKeySequence());
    connect(m_fileSaveAsAction, &QAction::triggered, this, [this] { fileSaveAs(); });
    m_fileGenerateAsAction = createAction(&Self::fileGenerateAs, "fileGenerateAsAction",
                                          tr("save & Generate the current ZYN somewhere else"),
                                          tr("Save && &Generate ZYN In..."), QKeySequence());
    m_fileExportAsAction
        = createAction(&Self::fileExportAs, "fileExportAsAction", tr("Export to text file"),
                       tr("&Export to text file..."), QKeySequence());
    m_fileExitAction = createAction(&Self::fileExit, "fileExitAction",
                                    tr("Exit ") + productCaption(), tr("E&xit"), QKeySequence());
}

void QAMainWindowEditor::createEditActions()
{
    using Self = QAMainWindowEditor;
    m_editUndoAction = createAction(&Self::editUndo, "editUndoAction", tr("Undo previous command"),
                                    tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), "undo_xpm");
    m_editRedoAction
        = createAction(&Self::editRedo, "editRedoAction", tr("Redo previous undo command"),
                       tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), "redo_xpm");
    m_editCutAction = createAction(&Self::editCut, "editCutAction",
                                   tr("Cut the selected text and put it in the clipboard"),
                                   tr("&Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), "cut_xpm");
    m_editCopyAction = createAction(&Self::editCopy, "editCopyAction",
                                    tr("Copy the selected text and put it in the clipboard"),
                                    tr("C&opy"), QKeySequence(Qt::CTRL | Qt::Key_C), "copy_xpm");
    m_editPasteAction
        = createAction(&Self::editPaste, "editPasteAction", tr("Insert clipboard contents"),
                       tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), "paste_xpm");
    m_editDeleteAction
        = createAction(&Self::editDelete, "editDeleteAction", tr("Delete the current selection"),
                       tr("&Delete"), QKeySequence(Qt::Key_Delete), "delete_xpm");
    m_editFindAction = createAction(
        &Self::findByString, "editFindAction",
        tr("Click this button to search for the text entered in the box next to this "
           "button.<br><br>You can also select the <b>Find</b> command from the Edit menu."),
        tr("&Find Next in doc"), QKeySequence(Qt::Key_F3), "find_xpm");
    m_editFindInDocumentAction
        = createAction(nullptr, "editFindInDocumentAction", tr("Find in the whole document"),
                       tr("F&ind in Document..."), QKeySequence(Qt::CTRL | Qt::Key_F), "find_xpm");
    m_editPrefAction = createAction(&Self::openPreferences, "editPrefAction",
                                    tr("Click this button to set preferences "), tr("Pre&ferences"),
                                    QKeySequence());
    m_editSelectAllAction = createAction(&Self::editSelectAll, "editSelectAllAction",
                                         tr("Select the entire contents of the current file"),
                                         tr("Se&lect All"), QKeySequence(Qt::CTRL | Qt::Key_A));
}

void QAMainWindowEditor::createHelpActions()
{
    using Self = QAMainWindowEditor;
    m_helpContentsAction
        = createAction(&Self::helpContents, "helpContentsAction", tr("Open online documentation"),
                       tr("&Moravel Guide"), QKeySequence(Qt::Key_F1), "contents_xpm");
    m_kvnWebAction = createAction(&Self::kvnweb, "Velmora Corvin", tr("Product Home Page"),
                                  tr("Product Home Page"), QKeySequence(), "htmllink_xpm");
    m_zynWebAction = createAction(&Self::zynweb, "Moravels", tr("Moravels"), tr("Moravels"),
                                  QKeySequence(), "htmllink_xpm");
    m_supportWebAction
        = createAction(&Self::supportweb, "Technical Support", tr("Technical Support"),
                       tr("Technical Support"), QKeySequence(), "htmllink_xpm");
    m_homeWebAction = createAction(
        &Self::homeweb, "Velmora Software Home Page", tr("Velmora Software Home Page"),
        tr("Velmora Software Home Page"), QKeySequence(), "htmllink_xpm");
    m_helpAboutAction = createAction(&Self::helpAbout, "helpAboutAction",
                                     tr("Show product information, version number and copyright"),
                                     tr("&About ") + productCaption() + QStringLiteral("..."),
                                     QKeySequence(), "about_xpm");
}

void QAMainWindowEditor::setFileActionsEnabled(bool enabled)
{
    for (QAction *action :
         { m_fileSaveAction, m_fileSaveAsAction, m_fileGenerateAsAction, m_fileExportAsAction })
        action->setEnabled(enabled);
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
    // Absolute and clean, so that a start from another directory finds it.
    m_settings->setValue(QLatin1String(RecentFileKey),
                         QDir::cleanPath(QFileInfo(recentFile).absoluteFilePath()));
    m_settings->sync();
}

void QAMainWindowEditor::createToolBars()
{
    m_toolsToolBar = addToolBar(tr("Tools"));
    m_toolsToolBar->setObjectName(QStringLiteral("toolsToolBar"));
    m_toolsToolBar->addAction(m_fileNewAction);
    m_toolsToolBar->addAction(m_fileOpenAction);
    m_toolsToolBar->addSeparator();
    m_toolsToolBar->addAction(m_fileSaveAction);
    m_toolsToolBar->addSeparator();
    m_toolsToolBar->addAction(m_editUndoAction);
    m_toolsToolBar->addAction(m_editRedoAction);
    m_toolsToolBar->addSeparator();
    m_toolsToolBar->addAction(m_editCutAction);
    m_toolsToolBar->addAction(m_editCopyAction);
    m_toolsToolBar->addAction(m_editPasteAction);
    m_toolsToolBar->addAction(m_editDeleteAction);
}

void QAMainWindowEditor::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("menubar"));

    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addAction(m_fileNewAction);
    m_fileMenu->addAction(m_fileOpenAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_fileSaveAction);
    m_fileMenu->addAction(m_fileSaveAsAction);
    m_fileMenu->addAction(m_fileGenerateAsAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_fileExportAsAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_fileExitAction);

    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->addAction(m_editUndoAction);
    m_editMenu->addAction(m_editRedoAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_editCutAction);
    m_editMenu->addAction(m_editCopyAction);
    m_editMenu->addAction(m_editPasteAction);
    m_editMenu->addAction(m_editDeleteAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_editFindAction);
    m_editMenu->addAction(m_editFindInDocumentAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_editPrefAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_editSelectAllAction);

    menuBar()->addSeparator();

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->addAction(m_helpContentsAction);
    m_helpMenu->addSeparator();
    m_webMenu = m_helpMenu->addMenu(productWebWords() + tr(" on the Web"));
    m_webMenu->addAction(m_kvnWebAction);
    m_webMenu->addAction(m_zynWebAction);
    m_webMenu->addAction(m_supportWebAction);
    m_webMenu->addAction(m_homeWebAction);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_helpAboutAction);
}

void QAMainWindowEditor::createCentralArea()
{
    // The tree is the first to measure text.
    StartupWarmUp::awaitFontConfiguration();
    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("centralBox"));
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setLineWidth(1);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(1, 1, 1, 1);
    m_centralBox = box;
    setCentralWidget(m_centralBox);
    m_editor = new QAZynEditor(m_session->installTargetDirectory(), m_centralBox);
    layout->addWidget(m_editor);
}

void QAMainWindowEditor::createFindBar()
{
    m_findToolBar = addToolBar(tr("Find", "Find bar"));
    m_findToolBar->setObjectName(QStringLiteral("findToolBar"));
    m_findToolBar->addAction(m_editFindAction);
    m_findBox = new QComboBox(m_findToolBar);
    m_findBox->setObjectName(QStringLiteral("findBox"));
    m_findBox->setEditable(true);
    m_findBox->setFixedWidth(150);
    m_findBox->setInsertPolicy(QComboBox::InsertAtTop);
    m_findBox->setDuplicatesEnabled(false);
    m_findToolBar->addWidget(m_findBox);

    QAZynDocBrowser *browser = m_editor->docBrowser();
    connect(m_findBox, &QComboBox::editTextChanged, browser, &QAZynDocBrowser::findInDocStart);
    connect(m_findBox->lineEdit(), &QLineEdit::returnPressed, this,
            &QAMainWindowEditor::findByString);
    connect(this, &QAMainWindowEditor::search, browser, &QAZynDocBrowser::findInDoc);
}

// The document given on the command line, else the one last used; empty when there is none.
QString QAMainWindowEditor::startupDocument() const
{
    // A missing start-up document is no error: the window just starts empty.
    // A file that is gone is still offered when unsaved work of it was recovered.
    const auto worthOpening = [](const QString &path) {
        return !path.isEmpty()
            && (QFileInfo(path).isFile() || QARecoveryStore::hasRecoveryFor(path));
    };
    if (!m_commandLineFile.isEmpty())
        return worthOpening(m_commandLineFile) ? m_commandLineFile : QString();
    const QString recent = m_settings->value(QLatin1String(RecentFileKey)).toString();
    return worthOpening(recent) ? recent : QString();
}

// The start-up document is parsed on a worker thread while the window is built; the open takes
// that reading if the file has not changed meanwhile.
void QAMainWindowEditor::readStartupDocumentAhead()
{
    const QString path = startupDocument();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        QAXmlReadAhead::start(path);
}

void QAMainWindowEditor::openStartupDocument()
{
    const QString path = startupDocument();
    if (!path.isEmpty())
        loadFile(path, false);
    // A reading the open did not take (a recovered copy, a refused file) is not kept.
    QAXmlReadAhead::drop();
}

void QAMainWindowEditor::restoreGeometry()
{
    // The stored sizes are applied only when present: a first start keeps the editor area's own
    // split instead of forcing whatever the unshown splitter reports.
    QSplitter *splitter = m_editor->verticalSplitter();
    const QList<int> current = splitter->sizes();
    const QLatin1String docKey(DocSplitterKey);
    const QLatin1String paneKey(PaneSplitterKey);
    if (m_settings->contains(docKey) || m_settings->contains(paneKey)) {
        const int doc = m_settings->value(docKey, current.value(0)).toInt();
        const int pane = m_settings->value(paneKey, current.value(1)).toInt();
        if (doc >= 0 && pane >= 0)
            splitter->setSizes({ doc, pane });
    }

    const int storedWidth = m_settings->value(QLatin1String(WidthKey), width()).toInt();
    const int storedHeight = m_settings->value(QLatin1String(HeightKey), height()).toInt();
    // A damaged store must not leave an invisible window.
    if (storedWidth > 0 && storedHeight > 0)
        resize(storedWidth, storedHeight);
}

void QAMainWindowEditor::createVersionChecker()
{
    // The version script lists the known versions while the window is being built; the list
    // is awaited before the first document is opened.
    m_versionChecker = new QAZYNVersion(m_programPath, QAZYNVersion::DefaultTimeLimit,
                                        QAZYNVersion::ListInBackground);
    m_versionChecker->setParent(this);
}

void QAMainWindowEditor::createPreferences()
{
    m_preferences = new QAzynPrefDialog(this, QStringLiteral("Preferences"), true);
    connect(m_preferences, &QAzynPrefDialog::updated, this, &QAMainWindowEditor::getPreferences);
    loadPreferences(*m_settings, *m_preferences, m_editor->help(), m_help);
}

void QAMainWindowEditor::createStatusBar()
{
    statusBar()->clearMessage();
    auto *ready = new QLabel(tr("Ready"), statusBar());
    ready->setObjectName(QStringLiteral("readyLabel"));
    statusBar()->addWidget(ready, 1);
    connect(m_editor->docBrowser(), &QAZynDocBrowser::statusMsg, statusBar(),
            &QStatusBar::showMessage);
    connect(m_editor->editorTree(), &QAZynEditorTree::statusMsg, statusBar(),
            &QStatusBar::showMessage);
}

void QAMainWindowEditor::editUndo()
{
    m_editor->undo();
}

void QAMainWindowEditor::editRedo()
{
    m_editor->redo();
}

void QAMainWindowEditor::editDelete()
{
    // The menu entry and the toolbar button always mean the tree's node. The Delete key only
    // gets here when no text field claimed it first (shortcut override), so typing in a pane
    // never deletes a node.
    m_editor->editorTree()->deleteSelectedNode();
}

void QAMainWindowEditor::findByString()
{
    emit search(QASearchRequest { m_findBox->currentText(), Qt::CaseInsensitive, false });
}

void QAMainWindowEditor::openPreferences()
{
    // Modal, but not waited for: its updated() signal brings the values.
    m_preferences->show();
    m_preferences->raise();
}

void QAMainWindowEditor::getPreferences()
{
    if (m_settings)
        applyPreferences(*m_settings, *m_preferences, m_editor->help());
}

void QAMainWindowEditor::helpContents()
{
    m_help.setDocDir(QAInstall::helpDir(m_programPath));
    m_help.showHelp(QString(), QStringLiteral("doc_zyneditor"));
}

void QAMainWindowEditor::initializeWeb()
{
    const QString caption = productCaption();
    const QString helpDir = QAInstall::helpDir(m_programPath);
    if (!QFileInfo(helpDir).isDir()) {
        QADialogSeam::instance().message(
            this, QMessageBox::Critical, caption,
            tr("Impossible to find the directory doc in the install directory."));
        return;
    }
    const QString path = helpDir + QDir::separator() + QStringLiteral("kvn_web.properties");
    if (!QFileInfo(path).isFile()) {
        QADialogSeam::instance().message(
            this, QMessageBox::Critical, caption,
            tr("Impossible to find the file kvn_web.properties in the install directory."));
        return;
    }

    // A file without the group or some keys just leaves those links empty.
    const std::unique_ptr<QARes> resources = QARes::read(path, false);
    const QARes *urls = resources ? resources->search(QStringLiteral("url")) : nullptr;
    if (!urls || !urls->toResGroup())
        return;
    const std::pair<const char *, QString *> keys[] = {
        { "url.home", &m_homeUrl },
        { "url.support", &m_supportUrl },
        { "url.corvin", &m_productUrl },
        { "url.targetpackage", &m_packageUrl },
    };
    for (const auto &[key, member] : keys) {
        const QARes *entry = resources->search(QLatin1String(key));
        if (entry && entry->toResString())
            *member = entry->toResString()->string();
    }
}

void QAMainWindowEditor::openWebPage(const QString &url)
{
    m_editor->help().switchToOrmetWeb(QUrl(url));
}

void QAMainWindowEditor::helpAbout()
{
    QAZynAboutDialog dialog(m_programPath, this);
    QADialogSeam::instance().exec(&dialog);
}

void QAMainWindowEditor::closeEvent(QCloseEvent *event)
{
    if (!m_session->mayClose()) {
        event->ignore();
        return;
    }
    // A binary add in progress would keep its wait window, and so the program, alive.
    m_editor->editorTree()->cancelBinaryAdd();
    m_session->guard()->closed();
    QAZynScriptRun::waitForRuns(this);
    m_settings->sync();
    event->accept();
}

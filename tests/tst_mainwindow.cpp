#include "app/qamainwindoweditor.h"
#include "dialogs/qazynaboutdialog.h"
#include "dialogs/qazyndocbrowser.h"
#include "dialogs/qazynsplashwindow.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "services/productflavour.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(QASearchRequest)

// A window whose save succeeds or fails as the test says, standing in for the real save.
class SavingWindow : public QAMainWindowEditor
{
public:
    using QAMainWindowEditor::QAMainWindowEditor;
    void fileSave() override
    {
        ++saves;
        if (saveSucceeds)
            editorArea()->setModified(false);
    }
    bool saveSucceeds = false;
    int saves = 0;
};

// The shell of the main window: what the user finds in menus and toolbars, where the edit
// commands go, what is read from the settings and the installation, and when the window closes.
class TestMainWindow : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the desktop's browser.
    void openUrl(const QUrl &url) { m_opened << url.toString(); }

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QStringList m_opened;

    static QString program() { return QStringLiteral(ZYN_EDITOR_BINARY); }
    static QString title() { return QString::fromLatin1(productTitle()); }

    template<class Window = QAMainWindowEditor> std::unique_ptr<Window> makeWindow()
    {
        auto window = std::make_unique<Window>(QStringList { program() });
        // The web links must reach openUrl(), not a configured browser command.
        window->editorArea()->help().setCommand(QString());
        return window;
    }

    static QAction *action(QWidget *window, const QString &name)
    {
        return window->findChild<QAction *>(name);
    }

    // Menu or toolbar entries: action object names, "|" for a separator, "menu:<title>" for a
    // sub-menu, "widget:<name>" for a widget.
    static QStringList entries(const QList<QAction *> &actions, const QToolBar *bar = nullptr)
    {
        QStringList list;
        for (QAction *a : actions) {
            if (a->isSeparator())
                list << "|";
            else if (a->menu())
                list << "menu:" + a->menu()->title();
            else if (bar && bar->widgetForAction(a) && !a->objectName().endsWith("Action"))
                list << "widget:" + bar->widgetForAction(a)->objectName();
            else
                list << a->objectName();
        }
        return list;
    }

    // A field in the pane area, with the focus.
    template<class Field> static Field *addField(QAMainWindowEditor &window)
    {
        QWidget *area = window.editorArea()->editionArea();
        auto *field = new Field(area);
        area->layout()->addWidget(field);
        field->show();
        field->setFocus();
        return field;
    }

    static bool showActive(QWidget &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QASearchRequest>(); }
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_opened.clear();
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        QDesktopServices::setUrlHandler("file", this, "openUrl");
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("file");
        m_dialogs.reset();
        m_env.reset();
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("icon");

        const QString t = title();
        auto row = [](const char *name, const QString &tip, const QString &text,
                      const QKeySequence &key, bool enabled, bool icon) {
            QTest::newRow(name) << QString(name) << tip << text << key << enabled << icon;
        };
        row("fileNewAction", "Create a new file", "&New", Qt::CTRL | Qt::Key_N, true, true);
        row("fileOpenAction", "Open an existing file", "&Open...", Qt::CTRL | Qt::Key_O, true,
            true);
        row("fileSaveAction", "Save and Generate the current file", "&Save && Generate",
            Qt::CTRL | Qt::Key_S, false, true);
        row("fileSaveAsAction", "Save the current xdp file with a new name", "Save xdp &As...",
            QKeySequence(), false, false);
        row("fileGenerateAsAction", "save & Generate the current ZYN somewhere else",
            "Save && &Generate ZYN In...", QKeySequence(), false, false);
        row("fileExportAsAction", "Export to text file", "&Export to text file...", QKeySequence(),
            false, false);
        row("fileExitAction", "Exit " + t, "E&xit", QKeySequence(), true, false);
        row("editUndoAction", "Undo previous command", "&Undo", Qt::CTRL | Qt::Key_Z, true, true);
        row("editRedoAction", "Redo previous undo command", "&Redo", Qt::CTRL | Qt::Key_Y, true,
            true);
        row("editCutAction", "Cut the selected text and put it in the clipboard", "&Cut",
            Qt::CTRL | Qt::Key_X, true, true);
        row("editCopyAction", "Copy the selected text and put it in the clipboard", "C&opy",
            Qt::CTRL | Qt::Key_C, true, true);
        row("editPasteAction", "Insert clipboard contents", "&Paste", Qt::CTRL | Qt::Key_V, true,
            true);
        row("editDeleteAction", "Delete the current selection", "&Delete", Qt::Key_Delete, true,
            true);
        row("editFindAction",
            "Click this button to search for the text entered in the box next to this "
            "button.<br><br>You can also select the <b>Find</b> command from the Edit menu.",
            "&Find Next in doc", Qt::Key_F3, true, true);
        row("editFindInDocumentAction", "Find in the whole document", "F&ind in Document...",
            Qt::CTRL | Qt::Key_F, true, true);
        row("editPrefAction", "Click this button to set preferences ", "Pre&ferences",
            QKeySequence(), true, false);
        row("editSelectAllAction", "Select the entire contents of the current file", "Se&lect All",
            Qt::CTRL | Qt::Key_A, true, false);
        row("helpContentsAction", "Open online documentation", "&Moravel Guide", Qt::Key_F1, true,
            true);
        row("Velmora Corvin", "Product Home Page", "Product Home Page", QKeySequence(), true, true);
        row("Moravels", "Moravels", "Moravels", QKeySequence(), true, true);
        row("Technical Support", "Technical Support", "Technical Support", QKeySequence(), true,
            true);
        row("Velmora Software Home Page", "Velmora Software Home Page",
            "Velmora Software Home Page", QKeySequence(), true, true);
        row("helpAboutAction", "Show product information, version number and copyright",
            "&About " + t + "...", QKeySequence(), true, true);
    }
    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, text);
        QFETCH(QKeySequence, key);
        QFETCH(bool, enabled);
        QFETCH(bool, icon);

        auto window = makeWindow();
        QCOMPARE(window->findChildren<QAction *>(name).size(), 1);
        QAction *a = action(window.get(), name);
        QCOMPARE(a->parent(), window.get());
        QCOMPARE(a->toolTip(), toolTip);
        QCOMPARE(a->text(), text);
        QCOMPARE(a->shortcut(), key);
        QCOMPARE(a->isEnabled(), enabled);
        QCOMPARE(!a->icon().isNull(), icon);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu"); // empty: the menu bar itself
        QTest::addColumn<QStringList>("expected");
        const QString web = "Tamsk Velmora Corvin on the Web";
        QTest::newRow("menu bar") << QString()
                                  << QStringList { "menu:&File", "menu:&Edit", "|", "menu:&Help" };
        QTest::newRow("File") << "&File"
                              << QStringList { "fileNewAction",
                                               "fileOpenAction",
                                               "|",
                                               "fileSaveAction",
                                               "fileSaveAsAction",
                                               "fileGenerateAsAction",
                                               "|",
                                               "fileExportAsAction",
                                               "|",
                                               "fileExitAction" };
        QTest::newRow("Edit") << "&Edit"
                              << QStringList { "editUndoAction",
                                               "editRedoAction",
                                               "editHistoryAction",
                                               "|",
                                               "editCutAction",
                                               "editCopyAction",
                                               "editPasteAction",
                                               "editDeleteAction",
                                               "|",
                                               "editFindAction",
                                               "editFindInDocumentAction",
                                               "|",
                                               "editPrefAction",
                                               "|",
                                               "editSelectAllAction" };
        QTest::newRow("Help") << "&Help"
                              << QStringList { "helpContentsAction", "|", "menu:" + web, "|",
                                               "helpAboutAction" };
        QTest::newRow("web") << web
                             << QStringList { "Velmora Corvin", "Moravels", "Technical Support",
                                              "Velmora Software Home Page" };
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, expected);
        auto window = makeWindow();
        QCOMPARE(window->menuBar()->objectName(), QStringLiteral("menubar"));
        if (menu.isEmpty()) {
            QCOMPARE(entries(window->menuBar()->actions()), expected);
            return;
        }
        const QMenu *found = nullptr;
        for (const QMenu *m : window->findChildren<QMenu *>())
            if (m->title() == menu)
                found = m;
        QVERIFY2(found, qPrintable(menu));
        QCOMPARE(entries(found->actions()), expected);
    }

    void toolBars_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Tools")
            << "Tools"
            << QStringList {
                   "fileNewAction",   "fileOpenAction",  "|", "fileSaveAction", "|",
                   "editUndoAction",  "editRedoAction",  "|", "editCutAction",  "editCopyAction",
                   "editPasteAction", "editDeleteAction"
               };
        QTest::newRow("Find") << "Find" << QStringList { "editFindAction", "widget:findBox" };
    }
    void toolBars()
    {
        QFETCH(QString, label);
        QFETCH(QStringList, expected);
        auto window = makeWindow();
        const QToolBar *found = nullptr;
        for (const QToolBar *bar : window->findChildren<QToolBar *>())
            if (bar->windowTitle() == label)
                found = bar;
        QVERIFY(found);
        QCOMPARE(window->toolBarArea(const_cast<QToolBar *>(found)), Qt::TopToolBarArea);
        QCOMPARE(entries(found->actions(), found), expected);
    }

    void findBoxKeepsNewestOnTopWithoutDuplicates()
    {
        auto window = makeWindow();
        QComboBox *box = window->findBox();
        QVERIFY(box->isEditable());
        QCOMPARE(box->minimumWidth(), 150);
        QCOMPARE(box->maximumWidth(), 150);
        QVERIFY(showActive(*window));

        QSignalSpy searches(window.get(), &QAMainWindowEditor::search);
        for (const char *text : { "alpha", "Beta", "alpha" }) {
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QStringLiteral("Beta"));
        QCOMPARE(box->itemText(1), QStringLiteral("alpha"));

        QCOMPARE(searches.size(), 3);
        const auto request = searches.at(1).at(0).value<QASearchRequest>();
        QCOMPARE(request.pattern, QStringLiteral("Beta"));
        QCOMPARE(request.caseSensitivity, Qt::CaseInsensitive);
        QVERIFY(!request.wildcard);

        // F3 looks for the next match of the same text.
        action(window.get(), "editFindAction")->trigger();
        QCOMPARE(searches.size(), 4);
        QCOMPARE(searches.last().at(0).value<QASearchRequest>().pattern, QStringLiteral("alpha"));
    }

    // The docks build their contents when first shown, whichever way they are shown: by their
    // own command or by the window's list of docks.
    void docksHaveTheirContentsWhenShown_data()
    {
        QTest::addColumn<QString>("dock");
        QTest::addColumn<QString>("content");
        QTest::newRow("find in document") << "findInDocumentDock"
                                          << "QAFindInDocument";
        QTest::newRow("history") << "historyDock"
                                 << "QUndoView";
    }
    void docksHaveTheirContentsWhenShown()
    {
        QFETCH(QString, dock);
        QFETCH(QString, content);
        auto window = makeWindow();
        QVERIFY(showActive(*window));
        auto *widget = window->findChild<QDockWidget *>(dock);
        QVERIFY(widget);
        QVERIFY(!widget->isVisible());
        widget->toggleViewAction()->trigger();
        QVERIFY(widget->isVisible());
        QVERIFY(widget->widget());
        QVERIFY(widget->widget()->inherits(content.toLatin1()));
        QVERIFY(widget->widget()->isVisible());
    }

    void findInDocumentOpensWithCtrlF()
    {
        auto window = makeWindow();
        QVERIFY(showActive(*window));
        auto *dock = window->findChild<QDockWidget *>(QStringLiteral("findInDocumentDock"));
        QVERIFY(dock);
        QVERIFY(!dock->isVisible());
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dock->isVisible());
        QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("Find in document"));
        // Escape closes the bar; the reference page's find box is still there with F3.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dock->isVisible());
        QCOMPARE(action(window.get(), "editFindAction")->shortcut(), QKeySequence(Qt::Key_F3));
    }

    void statusMessagesCoverReady_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::newRow("documentation browser") << "browser";
        QTest::newRow("structure tree") << "tree";
    }
    void statusMessagesCoverReady()
    {
        QFETCH(QString, sender);
        auto window = makeWindow();
        auto *ready = window->statusBar()->findChild<QLabel *>("readyLabel");
        QVERIFY(ready);
        QCOMPARE(ready->text(), QStringLiteral("Ready"));
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        if (sender == "browser")
            emit window->editorArea()->docBrowser()->statusMsg("3 matches", 2000);
        else
            emit window->editorArea()->editorTree()->statusMsg("Node deleted", 2000);
        QCOMPARE(window->statusBar()->currentMessage(),
                 QString(sender == "browser" ? "3 matches" : "Node deleted"));
    }

    void firstStartUsesDefaults()
    {
        auto window = makeWindow();
        QCOMPARE(window->size(), QSize(640, 480));
        QVERIFY(window->currentFilePath().isEmpty());
        QCOMPARE(m_dialogs->questions().size(), 0);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<QAZynSplashWindow *>(w), "the splash outlived construction");

        // Only a save writes the geometry: moving things and closing leaves the store alone.
        window->resize(900, 700);
        QVERIFY(window->close());
        QSettings settings;
        QVERIFY(!settings.contains("/Corvin/zyneditor/width"));
        QVERIFY(!settings.contains("/Corvin/zyneditor/splitter2"));
    }

    void restoresStoredGeometry()
    {
        // What a save stores: the size of a shown window and its split at that size.
        QList<int> stored;
        {
            auto window = makeWindow();
            window->resize(900, 700);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QSplitter *splitter = window->editorArea()->verticalSplitter();
            const QList<int> sizes = splitter->sizes();
            splitter->setSizes({ 150, sizes.value(0) + sizes.value(1) - 150 });
            stored = splitter->sizes();
            QCOMPARE(stored.value(0), 150);
        }
        {
            QSettings settings;
            settings.setValue("/Corvin/zyneditor/width", 900);
            settings.setValue("/Corvin/zyneditor/height", 700);
            settings.setValue("/Corvin/zyneditor/splitter2", stored.value(0));
            settings.setValue("/Corvin/zyneditor/splitter22", stored.value(1));
        }
        auto window = makeWindow();
        QCOMPARE(window->size(), QSize(900, 700));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->editorArea()->verticalSplitter()->sizes(), stored);
    }

    void ignoresDamagedGeometry()
    {
        {
            QSettings settings;
            settings.setValue("/Corvin/zyneditor/width", "wide");
            settings.setValue("/Corvin/zyneditor/height", -5);
        }
        auto window = makeWindow();
        QCOMPARE(window->size(), QSize(640, 480));
    }

    void editCommandsGoToTheFocusField_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("line edit") << "line";
        QTest::newRow("plain text edit") << "plain";
        QTest::newRow("rich text edit") << "rich";
        QTest::newRow("find box") << "find";
    }
    void editCommandsGoToTheFocusField()
    {
        QFETCH(QString, kind);
        auto window = makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        std::function<QString()> text;
        if (kind == "line") {
            auto *field = addField<QLineEdit>(*window);
            field->setText("hello");
            text = [field] {
                return field->text();
            };
        } else if (kind == "plain") {
            auto *field = addField<QPlainTextEdit>(*window);
            field->setPlainText("hello");
            text = [field] {
                return field->toPlainText();
            };
        } else if (kind == "rich") {
            auto *field = addField<QTextEdit>(*window);
            field->setPlainText("hello");
            text = [field] {
                return field->toPlainText();
            };
        } else {
            QComboBox *box = window->findBox();
            box->setEditText("hello");
            box->setFocus();
            text = [box] {
                return box->currentText();
            };
        }

        window->editSelectAll();
        window->editCopy();
        window->editCut();
        QCOMPARE(text(), QString());
        // Undo and redo are the document's: the field's own history is not reached.
        window->editUndo();
        QCOMPARE(text(), QString());
        window->editRedo();
        QCOMPARE(text(), QString());
        window->editPaste();
        QCOMPARE(text(), QStringLiteral("hello"));
    }

    void editCommandsIgnoreOtherWidgets()
    {
        auto window = makeWindow();
        auto *field = addField<QLineEdit>(*window);
        field->setText("kept");
        window->editorArea()->editorTree()->setFocus();
        window->editSelectAll();
        window->editCut();
        window->editUndo();
        QCOMPARE(field->text(), QStringLiteral("kept"));
    }

    void keysInATextFieldEditTheText_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("actionName");
        QTest::addColumn<int>("triggered");
        QTest::newRow("Delete in a line edit deletes a character")
            << "field" << QKeySequence(Qt::Key_Delete) << "ello"
            << "editDeleteAction" << 0;
        QTest::newRow("Delete on the tree goes to the tree")
            << "tree" << QKeySequence(Qt::Key_Delete) << "hello"
            << "editDeleteAction" << 1;
        QTest::newRow("Ctrl+Z in a line edit goes to the document")
            << "field" << QKeySequence(Qt::CTRL | Qt::Key_Z) << "hello"
            << "editUndoAction" << 1;
        QTest::newRow("Ctrl+Y in a line edit goes to the document")
            << "field" << QKeySequence(Qt::CTRL | Qt::Key_Y) << "hello"
            << "editRedoAction" << 1;
        QTest::newRow("Ctrl+Z on the tree goes to the document")
            << "tree" << QKeySequence(Qt::CTRL | Qt::Key_Z) << "hello"
            << "editUndoAction" << 1;
        QTest::newRow("Ctrl+A in a line edit selects its text")
            << "field" << QKeySequence(Qt::CTRL | Qt::Key_A) << "hello"
            << "editSelectAllAction" << 0;
    }
    void keysInATextFieldEditTheText()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, key);
        QFETCH(QString, textAfter);
        QFETCH(QString, actionName);
        QFETCH(int, triggered);

        auto window = makeWindow();
        auto *field = addField<QLineEdit>(*window);
        QVERIFY(showActive(*window));
        field->setFocus();
        QTest::keyClicks(field, "hello");
        field->setCursorPosition(0);
        QWidget *target = field;
        if (focus == "tree") {
            target = window->editorArea()->editorTree();
            target->setFocus();
        }
        QSignalSpy spy(action(window.get(), actionName), &QAction::triggered);
        const QKeyCombination combination = key[0];
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
        QCOMPARE(field->text(), textAfter);
        QCOMPARE(spy.size(), triggered);
    }

    void deleteCommandLeavesTheFieldAlone()
    {
        auto window = makeWindow();
        auto *field = addField<QLineEdit>(*window);
        field->setText("hello");
        field->selectAll();
        QSignalSpy spy(action(window.get(), "editDeleteAction"), &QAction::triggered);
        action(window.get(), "editDeleteAction")->trigger();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(field->text(), QStringLiteral("hello"));
    }

    void webProperties_data()
    {
        QTest::addColumn<QString>("damage"); // "remove doc", "remove file", "file is dir", "write"
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("critical"); // the one critical message, or empty
        // Opened by the four web actions in menu order: product, package, support, home
        QTest::addColumn<QStringList>("opened");

        const QString noDoc = "Impossible to find the directory doc in the install directory.";
        const QString noFile
            = "Impossible to find the file kvn_web.properties in the install directory.";
        QTest::newRow("staged file")
            << "" << QByteArray() << ""
            << QStringList { "https://www.velmora.example/products/corvin/",
                             "https://www.velmora.example/products/corvin/moravels/",
                             "https://support.velmora.example/moravel/",
                             "https://www.velmora.example/" };
        QTest::newRow("doc directory missing")
            << "remove doc" << QByteArray() << noDoc << QStringList();
        QTest::newRow("properties file missing")
            << "remove file" << QByteArray() << noFile << QStringList();
        QTest::newRow("properties name is a directory")
            << "file is dir" << QByteArray() << noFile << QStringList();
        QTest::newRow("partial file")
            << "write"
            << QByteArray("# two of four\nurl.home = https://home.example/\n"
                          "url.corvin = https://corvin.example/\n")
            << "" << QStringList { "https://corvin.example/", "https://home.example/" };
        QTest::newRow("url is not a group")
            << "write" << QByteArray("url = https://home.example/\n") << "" << QStringList();
        QTest::newRow("keys outside url")
            << "write" << QByteArray("link.home = https://home.example/\n") << "" << QStringList();
        QTest::newRow("empty file") << "write" << QByteArray("") << "" << QStringList();
    }
    void webProperties()
    {
        QFETCH(QString, damage);
        QFETCH(QByteArray, content);
        QFETCH(QString, critical);
        QFETCH(QStringList, opened);

        // A copy of the staged tree the test may damage.
        const QString tree = m_env->scratch() + QStringLiteral("/tree");
        QVERIFY(TestFiles::copyTree(TestEnvironment::stagedTree(), tree));
        const QString doc = tree + "/doc";
        const QString file = doc + "/kvn_web.properties";
        if (damage == "remove doc") {
            QVERIFY(QDir(doc).removeRecursively());
        } else if (damage == "remove file") {
            QVERIFY(QFile::remove(file));
        } else if (damage == "file is dir") {
            QVERIFY(QFile::remove(file));
            QVERIFY(QDir().mkpath(file));
        } else if (damage == "write") {
            QVERIFY(TestFiles::write(file, content));
        }
        qputenv("CORVINDIR", QFile::encodeName(tree));

        auto window = makeWindow();
        if (critical.isEmpty()) {
            QCOMPARE(m_dialogs->questions().size(), 0);
        } else {
            QCOMPARE(m_dialogs->questions().size(), 1);
            QCOMPARE(m_dialogs->last().icon, QMessageBox::Critical);
            QCOMPARE(m_dialogs->last().caption, title());
            QCOMPARE(m_dialogs->last().text, critical);
        }
        for (const char *name :
             { "Velmora Corvin", "Moravels", "Technical Support", "Velmora Software Home Page" })
            action(window.get(), name)->trigger();
        QCOMPARE(m_opened, opened);
    }

    void helpContentsOpensTheGuide()
    {
        auto window = makeWindow();
        action(window.get(), "helpContentsAction")->trigger();
        QCOMPARE(m_opened.size(), 1);
        const QUrl url(m_opened.constFirst());
        QCOMPARE(url.fragment(), QStringLiteral("doc_zyneditor"));
        QVERIFY2(url.toLocalFile().startsWith(TestEnvironment::stagedTree() + "/doc/"),
                 qPrintable(url.toString()));
        QVERIFY(QFileInfo(url.toLocalFile()).isFile());
    }

    void aboutRunsThroughTheSeam()
    {
        auto window = makeWindow();
        QString dialogClass;
        m_dialogs->onExec([&](QDialog *dialog) {
            dialogClass = dialog->metaObject()->className();
            return int(QDialog::Accepted);
        });
        action(window.get(), "helpAboutAction")->trigger();
        QCOMPARE(dialogClass, QStringLiteral("QAZynAboutDialog"));
        QCOMPARE(m_dialogs->last().caption, "About " + title());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveSucceeds");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("saves");
        QTest::newRow("nothing to save closes without asking")
            << false << int(QMessageBox::NoButton) << false << true << 0;
        QTest::newRow("No closes without saving")
            << true << int(QMessageBox::No) << false << true << 0;
        QTest::newRow("Cancel keeps the window")
            << true << int(QMessageBox::Cancel) << false << false << 0;
        QTest::newRow("Yes and a good save closes")
            << true << int(QMessageBox::Yes) << true << true << 1;
        QTest::newRow("Yes and a failed or cancelled save keeps the window")
            << true << int(QMessageBox::Yes) << false << false << 1;
    }
    void closing()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, saveSucceeds);
        QFETCH(bool, closes);
        QFETCH(int, saves);

        auto window = makeWindow<SavingWindow>();
        window->show();
        window->editorArea()->setModified(modified);
        window->saveSucceeds = saveSucceeds;
        if (modified)
            m_dialogs->answer(answer);

        QCOMPARE(window->close(), closes);
        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(window->saves, saves);
        if (!modified) {
            QCOMPARE(m_dialogs->questions().size(), 0);
            return;
        }
        QCOMPARE(m_dialogs->questions().size(), 1);
        const ScriptedDialogs::Question question = m_dialogs->last();
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.caption, title());
        QCOMPARE(question.text, QString("Save changes to %1?").arg(window->currentFileName()));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Yes);
        QCOMPARE(question.escapeButton, QMessageBox::Cancel);
    }

    void exitClosesTheWindow()
    {
        auto window = makeWindow();
        window->show();
        action(window.get(), "fileExitAction")->trigger();
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

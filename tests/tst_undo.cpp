#include "app/qahistorydock.h"
#include "document/qadocumenteditor.h"
#include "document/qarenamedelegate.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "document/qazynwriter.h"
#include "panes/qaisviewer.h"
#include "panes/qaisvieweritem.h"
#include "panes/qazynviewer.h"
#include "support/checked.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QUndoView>

#include <functional>

class TestUndo;
using Action = std::function<void(TestUndo &)>;
Q_DECLARE_METATYPE(Action)

// Undo and redo of what the user does in the panes and the tree, on a real document: the document
// comes back byte for byte, and the editor shows where the step took it.
class TestUndo : public QObject
{
    Q_OBJECT

public:
    QTreeWidgetItem *node(const QString &text) const
    {
        for (QTreeWidgetItemIterator it(m_editor->editorTree()); *it; ++it) {
            if ((*it)->text(0) == text)
                return *it;
        }
        return nullptr;
    }
    [[nodiscard]] bool select(const QString &text)
    {
        return checked([&] {
            QTreeWidgetItem *item = node(text);
            QVERIFY2(item, qPrintable(text));
            m_editor->editorTree()->setCurrentItem(item);
        });
    }
    template<typename T> T *field(const QString &name, int index = 0) const
    {
        const QList<T *> found = m_editor->currentViewer()->findChildren<T *>(name);
        return found.value(index);
    }
    [[nodiscard]] bool type(QWidget *widget, const QString &text)
    {
        return checked([&] {
            QVERIFY(widget);
            widget->setFocus();
            QTest::keyClicks(widget, text);
        });
    }
    QAIsViewer *settings() const { return qobject_cast<QAIsViewer *>(m_editor->currentViewer()); }
    QAIsViewerItem *row(const QString &key) const
    {
        QTreeWidget *list = settings()->keyList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(0) == key)
                return static_cast<QAIsViewerItem *>(list->topLevelItem(i));
        }
        return nullptr;
    }
    [[nodiscard]] bool selectRow(const QString &key)
    {
        return checked([&] {
            QAIsViewerItem *item = row(key);
            QVERIFY2(item, qPrintable(key));
            settings()->keyList()->setCurrentItem(item);
        });
    }
    // Edits a column of a key row in place, as a double click and typing would.
    [[nodiscard]] bool editRow(const QString &key, int column, const QString &text)
    {
        return checked([&] {
            QVERIFY(selectRow(key));
            row(key)->setRenameEnabled(column, true);
            row(key)->startRename(column);
            auto *editor = settings()->keyList()->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            editor->setText(text);
            settings()->renameDelegate()->commitOpenEditor();
        });
    }
    [[nodiscard]] bool renameNode(const QString &text, const QString &name)
    {
        return checked([&] {
            QVERIFY(select(text));
            QAZynEditorTree *tree = m_editor->editorTree();
            tree->startEdit();
            auto *editor = tree->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            editor->setText(name);
            m_editor->acceptRename(tree->currentItem()); // as a click elsewhere or a save does
        });
    }
    [[nodiscard]] bool click(const QString &button)
    {
        return checked([&] {
            auto *widget = field<QPushButton>(button);
            QVERIFY(widget);
            widget->click();
        });
    }

    std::unique_ptr<ScriptedDialogs> m_dialogs;

private:
    QByteArray saved() const { return QAZynWriter().write(m_editor->rootElement()); }
    QUndoStack *stack() const { return m_editor->undoStack(); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QAZynEditor> m_editor;
    qint64 m_now = 0;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_editor = std::make_unique<QAZynEditor>(m_env->installDir() + QStringLiteral("/targets"));
        QDomElement root
            = m_editor->getRootElement(m_env->installDir() + "/targets/xml/templatec.xdp");
        QVERIFY(!root.isNull());
        QVERIFY(m_editor->buildTree(root));
        m_editor->resize(1000, 800);
        m_editor->show();
        m_editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        m_now = 0;
        m_editor->documentEditor()->setClock([this] { return m_now; });
    }
    void cleanup()
    {
        m_editor.reset();
        m_dialogs.reset();
        m_env.reset();
    }

    void everyChange_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("root comment") << Action([](TestUndo &t) {
            QVERIFY(t.select("C and C++ Template"));
            QVERIFY(t.type(t.field<QPlainTextEdit>("commentEdit"), "abc"));
        }) << "Typed in the comment of Target Deployment Port";
        QTest::newRow("build step body") << Action([](TestUndo &t) {
            QVERIFY(t.select("Compilation"));
            QVERIFY(t.type(t.field<QPlainTextEdit>("textEdit"), "xyz"));
        }) << "Typed in Compilation";
        QTest::newRow("carried file text") << Action([](TestUndo &t) {
            QVERIFY(t.select("zyn_gdb.cmd"));
            QVERIFY(t.type(t.field<QPlainTextEdit>("textEdit"), "run "));
        }) << "Typed in zyn_gdb.cmd";
        QTest::newRow("text macro") << Action([](TestUndo &t) {
            QVERIFY(t.select("Linkage"));
            QVERIFY(t.type(t.field<QLineEdit>("macroValue"), " static"));
        }) << "Typed in ZYN_EXTERN";
        QTest::newRow("binary macro") << Action([](TestUndo &t) {
            QVERIFY(t.select("Linkage"));
            t.field<QCheckBox>("macroSwitch")->click();
        }) << "Switched ZYN_WEAK_HOOKS off";
        QTest::newRow("optional macro switch") << Action([](TestUndo &t) {
            QVERIFY(t.select("Preprocessing Specifics"));
            t.field<QCheckBox>("macroSwitch", 1)->click();
        }) << "Undefined ZYN_LINE_DIRECTIVE";
        QTest::newRow("optional macro value") << Action([](TestUndo &t) {
            QVERIFY(t.select("Preprocessing Specifics"));
            QVERIFY(t.type(t.field<QLineEdit>("macroValue"), "x"));
        }) << "Typed in ZYN_LINE_DIRECTIVE";
        QTest::newRow("choice") << Action([](TestUndo &t) {
            QVERIFY(t.select("Program Termination"));
            auto *choices = t.field<QComboBox>("choices");
            choices->setCurrentIndex(2);
            Q_EMIT choices->activated(2);
        }) << "Chose Custom";
        QTest::newRow("key value") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            QVERIFY(t.editRow("CC", 1, "clang"));
        }) << "Changed the value of CC";
        QTest::newRow("key renamed") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            QVERIFY(t.editRow("CC", 0, "C_COMPILER"));
        }) << "Renamed key CC to C_COMPILER";
        QTest::newRow("key added") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            t.m_dialogs->answer(QStringLiteral("NEWKEY"));
            QVERIFY(t.click("addButton"));
        }) << "Added key NEWKEY";
        QTest::newRow("key removed") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            QVERIFY(t.selectRow("AR"));
            QVERIFY(t.click("removeButton"));
        }) << "Removed key AR";
        QTest::newRow("key moved up") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            QVERIFY(t.selectRow("AR"));
            QVERIFY(t.click("moveUpButton"));
        }) << "Moved key AR up";
        QTest::newRow("key moved down") << Action([](TestUndo &t) {
            QVERIFY(t.select("All Languages"));
            QVERIFY(t.selectRow("CC"));
            QVERIFY(t.click("moveDownButton"));
        }) << "Moved key CC down";
        QTest::newRow("text file added") << Action([](TestUndo &t) {
            QVERIFY(t.select("Compilation"));
            t.m_editor->editorTree()->appendAsciiFile();
        }) << "Added NewAsciiFile.txt";
        QTest::newRow("file deleted") << Action([](TestUndo &t) {
            QVERIFY(t.select("zyn_gdb.cmd"));
            t.m_editor->editorTree()->deleteSelectedNode();
        }) << "Deleted zyn_gdb.cmd";
        QTest::newRow("file renamed") << Action([](TestUndo &t) {
            QVERIFY(t.renameNode("zyn_gdb.cmd", "gdb.cmd"));
        }) << "Renamed zyn_gdb.cmd to gdb.cmd";
        QTest::newRow("root renamed") << Action([](TestUndo &t) {
            QVERIFY(t.renameNode("C and C++ Template", "Board"));
        }) << "Renamed C and C++ Template to Board";
        // clang-format on
    }

    void everyChange()
    {
        QFETCH(Action, action);
        QFETCH(QString, name);
        const QByteArray before = saved();
        QVERIFY(checked([&] { action(*this); }));
        const QByteArray after = saved();
        QVERIFY(after != before);
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(stack()->text(0), name);
        QVERIFY(m_editor->isModified());

        m_editor->undo();
        QCOMPARE(saved(), before);
        QVERIFY(m_editor->currentViewer() || m_editor->editorTree()->hasFocus());
        m_editor->redo();
        QCOMPARE(saved(), after);
        m_editor->undo();
        QCOMPARE(saved(), before);
        // Back at the state it was opened in.
        QVERIFY(!m_editor->isModified());
    }

    void typingIsOneStepPerField_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<bool>("switchNode");
        QTest::addColumn<int>("steps");
        QTest::newRow("three keystrokes then another node") << 100 << true << 2;
        QTest::newRow("three keystrokes with a pause") << 1500 << false << 2;
        QTest::newRow("three keystrokes") << 100 << false << 1;
    }
    void typingIsOneStepPerField()
    {
        QFETCH(int, pause);
        QFETCH(bool, switchNode);
        QFETCH(int, steps);
        QVERIFY(select("Compilation"));
        QPlainTextEdit *body = field<QPlainTextEdit>("textEdit");
        QVERIFY(type(body, "ab"));
        m_now += pause;
        QVERIFY(type(body, "c"));
        if (switchNode) {
            QVERIFY(select("Link"));
            QVERIFY(type(field<QPlainTextEdit>("textEdit"), "x"));
        }
        QCOMPARE(stack()->count(), steps);
    }

    void undoAfterPaneReplacedShowsTheField()
    {
        QVERIFY(select("Compilation"));
        QPlainTextEdit *body = field<QPlainTextEdit>("textEdit");
        const QString original = body->toPlainText();
        body->moveCursor(QTextCursor::Start);
        QVERIFY(type(body, "abc"));
        QVERIFY(select("Link"));
        m_editor->undo();

        QCOMPARE(m_editor->editorTree()->currentItem(), node("Compilation"));
        body = field<QPlainTextEdit>("textEdit");
        QVERIFY(body);
        QCOMPARE(body->toPlainText(), original);
        QCOMPARE(QApplication::focusWidget(), body);
        QCOMPARE(body->textCursor().position(), 0); // where the typed text was
        m_editor->redo();
        body = field<QPlainTextEdit>("textEdit");
        QCOMPARE(body->toPlainText(), "abc" + original);
        QCOMPARE(QApplication::focusWidget(), body);
        QCOMPARE(body->textCursor().position(), 3);
    }

    void undoOfDeleteRestoresInPlace()
    {
        QTreeWidgetItem *file = node("zyn_gdb.cmd");
        QTreeWidgetItem *parent = file->parent();
        const int row = parent->indexOfChild(file);
        const QString text = m_editor->rootElement()
                                 .elementsByTagName("NEWCMDFILE")
                                 .at(0)
                                 .firstChildElement("VALUE")
                                 .text();
        QVERIFY(select("zyn_gdb.cmd"));
        m_editor->editorTree()->deleteSelectedNode();
        QVERIFY(!node("zyn_gdb.cmd"));
        QVERIFY(select("Compilation"));
        m_editor->undo();

        file = node("zyn_gdb.cmd");
        QVERIFY(file);
        QCOMPARE(file->parent(), parent);
        QCOMPARE(parent->indexOfChild(file), row);
        QCOMPARE(m_editor->editorTree()->currentItem(), file);
        QCOMPARE(field<QPlainTextEdit>("textEdit")->toPlainText(), text);
    }

    void savedPoint()
    {
        QVERIFY(select("Compilation"));
        QVERIFY(type(field<QPlainTextEdit>("textEdit"), "a"));
        m_editor->setModified(false); // what a save does
        QVERIFY(!m_editor->isModified());
        m_editor->undo();
        QVERIFY(m_editor->isModified());
        m_editor->redo();
        QVERIFY(!m_editor->isModified());
        // A step made after the save, undone: saved again.
        QVERIFY(type(field<QPlainTextEdit>("commentEdit"), "b"));
        QVERIFY(m_editor->isModified());
        m_editor->undo();
        QVERIFY(!m_editor->isModified());
    }

    void historyDockNamesAndReturns()
    {
        QAHistoryDock dock(stack(), nullptr);
        const QByteArray opened = saved();
        QVERIFY(select("Compilation"));
        QVERIFY(type(field<QPlainTextEdit>("textEdit"), "x"));
        const QByteArray typed = saved();
        QVERIFY(select("zyn_gdb.cmd"));
        m_editor->editorTree()->deleteSelectedNode();
        QVERIFY(select("All Languages"));
        QVERIFY(selectRow("DEFAULT_LIBS"));
        QVERIFY(click("moveUpButton"));

        QAbstractItemModel *model = dock.view()->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        QCOMPARE(names,
                 QStringList({ "Document opened", "Typed in Compilation", "Deleted zyn_gdb.cmd",
                               "Moved key DEFAULT_LIBS up" }));

        // A click on an entry takes the document back to just after it, and shows it.
        dock.view()->setCurrentIndex(model->index(1, 0));
        QCOMPARE(saved(), typed);
        QCOMPARE(m_editor->editorTree()->currentItem(), node("zyn_gdb.cmd"));
        dock.view()->setCurrentIndex(model->index(0, 0));
        QCOMPARE(saved(), opened);
        QCOMPARE(m_editor->editorTree()->currentItem(), node("Compilation"));
    }

    void newDocumentEmptiesHistory()
    {
        QVERIFY(select("Compilation"));
        QVERIFY(type(field<QPlainTextEdit>("textEdit"), "a"));
        QCOMPARE(stack()->count(), 1);
        m_editor->clearTree();
        QCOMPARE(stack()->count(), 0);
        QDomElement root
            = m_editor->getRootElement(m_env->installDir() + "/targets/xml/templatec.xdp");
        QVERIFY(m_editor->buildTree(root));
        QCOMPARE(stack()->count(), 0);
        QVERIFY(stack()->undoLimit() >= 1000);
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"

#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "find/qafindbar.h"
#include "find/qafindindocument.h"
#include "find/qafindresults.h"
#include "panes/qazynviewer.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

QString selectedTextOf(QWidget *widget)
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        return edit->textCursor().selectedText();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->selectedText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->selectedText();
    return QString();
}

} // namespace

class TestFindInDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void goingToMatchShowsField_data();
    void goingToMatchShowsField();
    void typingSearchesAndKeysStep();
    void escapeCloses();
    void resultsFollowEdits();

private:
    void typeQuery(const QString &text);
    QString currentTabTitle() const;

    std::unique_ptr<TestEnvironment> m_environment;
    std::unique_ptr<QWidget> m_window;
    QAZynEditor *m_editor = nullptr;
    QAFindInDocument *m_find = nullptr;
};

void TestFindInDocument::init()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_editor = new QAZynEditor(TestEnvironment::stagedTree() + QStringLiteral("/targets"),
                               m_window.get());
    m_find = new QAFindInDocument(m_editor, m_window.get());
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_find);
    QDomElement root = m_editor->getRootElement(
        TestEnvironment::dataFile(QStringLiteral("find/everyfield.xdp")));
    QVERIFY(!root.isNull());
    QVERIFY(m_editor->buildTree(root));
    QAZynEditorTree *tree = m_editor->editorTree();
    tree->setCurrentItem(tree->topLevelItem(0));
    m_window->resize(1000, 800);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_find->open();
}

void TestFindInDocument::cleanup()
{
    m_window.reset();
    m_environment.reset();
}

void TestFindInDocument::typeQuery(const QString &text)
{
    QLineEdit *field = m_find->bar()->field();
    field->clear();
    QTest::keyClicks(field, text);
    // The search runs after a pause in typing, not at each key.
    QCOMPARE(m_find->bar()->text(), text);
    QTRY_VERIFY(!m_find->matches().isEmpty());
}

QString TestFindInDocument::currentTabTitle() const
{
    QAZynViewer *pane = m_editor->currentViewer();
    auto *tabs = pane ? pane->findChild<QTabWidget *>() : nullptr;
    return tabs ? tabs->tabText(tabs->currentIndex()) : QString();
}

void TestFindInDocument::goingToMatchShowsField_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("shown"); // the tab, key row or comment title brought forward

    QTest::newRow("root name: the node in the tree") << "zork target"
                                                     << "Editor Tree"
                                                     << ""
                                                     << "zork target";
    QTest::newRow("key name: its row") << "ZORK_KEY"
                                       << "keyList"
                                       << ""
                                       << "ZORK_KEY";
    QTest::newRow("key value: its row") << ".zork"
                                        << "keyList"
                                        << ""
                                        << "ASMEXT";
    QTest::newRow("key comment: the row's comment") << "zork key comment"
                                                    << "commentEdit"
                                                    << "zork key comment"
                                                    << "ASMEXT";
    QTest::newRow("settings group comment") << "the whole table"
                                            << "commentEdit"
                                            << "the whole table"
                                            << "C Language";
    QTest::newRow("build step body") << "system('zork'"
                                     << "textEdit"
                                     << "system('zork'"
                                     << "";
    QTest::newRow("build step prototype") << "zork_compile"
                                          << "proto"
                                          << "zork_compile"
                                          << "";
    QTest::newRow("build step comment") << "compiles zork"
                                        << "commentEdit"
                                        << "compiles zork"
                                        << "";
    QTest::newRow("carried text file") << "a zork in"
                                       << "textEdit"
                                       << "a zork in"
                                       << "";
    QTest::newRow("library free text") << "#define ZORK"
                                       << "textEdit"
                                       << "#define ZORK"
                                       << "";
    QTest::newRow("text macro value") << "zork_t"
                                      << "macroValue"
                                      << "zork_t"
                                      << "";
    QTest::newRow("optional macro value") << "optional zork"
                                          << "macroValue"
                                          << "optional zork"
                                          << "";
    QTest::newRow("macro comment: the macro's comment") << "zork macro comment"
                                                        << "commentEdit"
                                                        << "zork macro comment"
                                                        << "ZORK_SIZE";
    QTest::newRow("choice name: the alternatives") << "zork source"
                                                   << "choices"
                                                   << ""
                                                   << "";
    QTest::newRow("code tab body: its tab") << "/* zork */"
                                            << "textEdit"
                                            << "/* zork */"
                                            << "Zork Tab";
    QTest::newRow("code tab comment: its tab") << "tab zork comment"
                                               << "commentEdit"
                                               << "tab zork comment"
                                               << "Zork Tab";
    QTest::newRow("macro in an item tab: its tab") << "x zork"
                                                   << "macroValue"
                                                   << "x zork"
                                                   << "Settings";
    QTest::newRow("tab title") << "Zork Tab"
                               << ""
                               << ""
                               << "Zork Tab";
    QTest::newRow("choice comment") << "zork choice comment"
                                    << "commentEdit"
                                    << "zork choice comment"
                                    << "";
    QTest::newRow("parser setting") << "-zork=1"
                                    << "textEdit"
                                    << "-zork=1"
                                    << "";
}

void TestFindInDocument::goingToMatchShowsField()
{
    QFETCH(QString, query);
    QFETCH(QString, focused);
    QFETCH(QString, selected);
    QFETCH(QString, shown);

    typeQuery(query);
    QCOMPARE(m_find->matches().size(), 1);
    // Start from another tab and another node, so that bringing them forward is seen.
    m_editor->editorTree()->setCurrentItem(m_editor->editorTree()->topLevelItem(0));
    m_find->goToMatch(0);

    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    if (!focused.isEmpty())
        QCOMPARE(focus->objectName(), focused);
    QVERIFY(focus == m_editor->editorTree() || m_editor->currentViewer()->isAncestorOf(focus));
    QCOMPARE(selectedTextOf(focus), selected);
    if (!shown.isEmpty()) {
        QAZynViewer *pane = m_editor->currentViewer();
        auto *keys = pane ? pane->findChild<QTreeWidget *>(QStringLiteral("keyList")) : nullptr;
        auto *title = pane ? pane->findChild<QLabel *>(QStringLiteral("commentLabel")) : nullptr;
        const QString tree = m_editor->editorTree()->currentItem()->text(0);
        QVERIFY2(currentTabTitle() == shown
                     || (keys && keys->currentItem() && keys->currentItem()->text(0) == shown)
                     || (title && title->text().contains(shown)) || tree == shown,
                 qPrintable(shown));
    }
    QVERIFY(!m_editor->isModified());
}

void TestFindInDocument::typingSearchesAndKeysStep()
{
    typeQuery(QStringLiteral("zork"));
    QCOMPARE(m_find->matches().size(), 29);
    QCOMPARE(m_find->results()->model()->rowCount(), 29);
    auto *count = m_find->bar()->findChild<QLabel *>(QStringLiteral("findInDocumentCount"));
    QCOMPARE(count->text(), QStringLiteral("29 matches"));

    QTest::keyClick(m_find->bar()->field(), Qt::Key_Return);
    QCOMPARE(m_find->currentMatch(), 0);
    QCOMPARE(count->text(), QStringLiteral("1 of 29"));
    QCOMPARE(QApplication::focusWidget(), m_editor->editorTree());

    // From the field the match landed in, Ctrl+G steps on and Ctrl+Shift+G back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(m_find->currentMatch(), 1);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("commentEdit"));
    QCOMPARE(selectedTextOf(QApplication::focusWidget()), QStringLiteral("zork"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_find->currentMatch(), 0);
    // Shift+Return in the field goes back, wrapping to the last match.
    QTest::keyClick(m_find->bar()->field(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(m_find->currentMatch(), 28);
    QCOMPARE(count->text(), QStringLiteral("29 of 29"));

    // Return on a row of the list goes to that row's match.
    QAFindResults *results = m_find->results();
    results->setFocus();
    results->setCurrentIndex(results->model()->index(12, 0));
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(m_find->currentMatch(), 12);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("textEdit"));
    QVERIFY(!m_editor->isModified());

    QTest::mouseClick(m_find->bar()->findChild<QWidget *>(QStringLiteral("findInDocumentCase")),
                      Qt::LeftButton);
    QCOMPARE(m_find->matches().size(), 23);
}

void TestFindInDocument::escapeCloses()
{
    typeQuery(QStringLiteral("zork"));
    QTest::keyClick(m_find->bar()->field(), Qt::Key_Escape);
    QVERIFY(!m_find->isVisible());
    m_find->open();
    QVERIFY(m_find->isVisible());
    QCOMPARE(QApplication::focusWidget(), m_find->bar()->field());
    QCOMPARE(m_find->bar()->field()->selectedText(), QStringLiteral("zork"));
}

void TestFindInDocument::resultsFollowEdits()
{
    typeQuery(QStringLiteral("a zork in"));
    m_find->goToMatch(0);
    auto *edit = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral(" and a zork in"));
    QTRY_COMPARE(m_find->matches().size(), 2);
    // The user stays where they typed.
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(m_find->currentMatch(), 0);
}

QTEST_MAIN(TestFindInDocument)
#include "tst_findindocument.moc"

#include "dialogs/qazynfinddialog.h"
#include "dialogs/qazyntextedit.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

// The code editor: find through the dialog, find next, go to line, and its context menu.
class TestCodeEditor : public QObject
{
    Q_OBJECT

private:
    static void placeCursor(QAZynTextEdit &edit, int position)
    {
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(position);
        edit.setTextCursor(cursor);
    }

    static QAzynFindDialog *openFind(QAZynTextEdit &edit, const QString &pattern,
                                     bool caseSensitive = false, bool wildcard = false)
    {
        edit.findDialog();
        auto *dialog = edit.findChild<QAzynFindDialog *>(QStringLiteral("freeTextFind"));
        dialog->findChild<QComboBox *>(QStringLiteral("qvfd-cb-find-txt"))->setEditText(pattern);
        dialog->findChild<QCheckBox *>(QStringLiteral("caseSensitive"))->setChecked(caseSensitive);
        dialog->findChild<QCheckBox *>(QStringLiteral("wildcard"))->setChecked(wildcard);
        return dialog;
    }

    static void clickNext(QAzynFindDialog *dialog)
    {
        dialog->findChild<QPushButton *>(QStringLiteral("next"))->click();
    }

    // Selection as "start-end", or "@position" without one.
    static QString where(const QAZynTextEdit &edit)
    {
        const QTextCursor cursor = edit.textCursor();
        if (!cursor.hasSelection())
            return QStringLiteral("@%1").arg(cursor.position());
        return QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
    }

    static QString lines(int count)
    {
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list << QStringLiteral("line %1").arg(i);
        return list.join(u'\n');
    }

private Q_SLOTS:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("wildcard");
        QTest::addColumn<QString>("expected");

        QTest::newRow("match at the cursor skipped")
            << "abc abc" << 0 << "abc" << false << false << "4-7";
        QTest::newRow("wraps to the top") << "abc xyz" << 5 << "abc" << false << false << "0-3";
        QTest::newRow("wraps from the very end") << "abc" << 3 << "abc" << false << false << "0-3";
        QTest::newRow("starts on the next line")
            << "ab\nab" << 2 << "ab" << false << false << "3-5";
        QTest::newRow("absent text leaves the cursor")
            << "abc abc" << 2 << "xyz" << false << false << "@2";
        QTest::newRow("empty pattern leaves the cursor")
            << "abc" << 1 << "" << false << false << "@1";
        QTest::newRow("case ignored") << "x ABC abc" << 0 << "abc" << false << false << "2-5";
        QTest::newRow("case sensitive") << "x ABC abc" << 0 << "abc" << true << false << "6-9";
        QTest::newRow("literal finds inside words")
            << "ab abc ab" << 0 << "ab" << false << false << "3-5";
        QTest::newRow("wildcard means whole words")
            << "ab abc ab" << 0 << "ab" << false << true << "7-9";
        QTest::newRow("star is literal") << "abc a* a" << 0 << "a*" << false << false << "4-6";
        QTest::newRow("star is literal in whole words")
            << "abc a* a" << 0 << "a*" << false << true << "4-6";
        QTest::newRow("star is no wildcard") << "abc" << 1 << "a*" << false << true << "@1";
        QTest::newRow("dot is no regular expression")
            << "abc" << 1 << "a.c" << false << false << "@1";
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, pattern);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, wildcard);
        QFETCH(QString, expected);

        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(text);
        placeCursor(edit, cursor);
        clickNext(openFind(edit, pattern, caseSensitive, wildcard));
        QCOMPARE(where(edit), expected);
    }

    void repeatedSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("hits");

        QTest::newRow("wraps silently") << "abc abc"
                                        << "abc" << QStringList { "4-7", "0-3", "4-7" };
        QTest::newRow("a match right behind the last one is found")
            << "abab"
            << "ab" << QStringList { "2-4", "0-2", "2-4" };
        QTest::newRow("overlapping matches are found")
            << "aaa"
            << "aa" << QStringList { "1-3", "0-2", "1-3" };
    }
    void repeatedSearch()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QStringList, hits);

        ScriptedDialogs dialogs;
        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(text);
        QAzynFindDialog *dialog = openFind(edit, pattern);
        QStringList found;
        for (int i = 0; i < hits.size(); ++i) {
            clickNext(dialog);
            found << where(edit);
        }
        QCOMPARE(found, hits);
        QVERIFY(dialogs.questions().isEmpty());
    }

    void findNextUsesSelectionCaseInsensitively()
    {
        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(QStringLiteral("Abc x abc ABC"));
        // The dialog asks for something else, case-sensitively and as a whole word.
        openFind(edit, QStringLiteral("x"), true, true)->accept();
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(9, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);

        edit.findDialogSearch();
        QCOMPARE(where(edit), QStringLiteral("10-13"));
    }

    void findNextUsesHiddenDialog()
    {
        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(QStringLiteral("Abc abc"));
        QAzynFindDialog *dialog = openFind(edit, QStringLiteral("abc"), true);
        dialog->findChild<QPushButton *>(QStringLiteral("close"))->click();
        QVERIFY(dialog->isHidden());

        edit.findDialogSearch();
        QCOMPARE(where(edit), QStringLiteral("4-7"));

        // "Find..." again brings back the same dialog with its settings.
        edit.findDialog();
        QCOMPARE(edit.findChildren<QAzynFindDialog *>().count(), 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->searchRequest().pattern, QStringLiteral("abc"));
        QCOMPARE(dialog->searchRequest().caseSensitivity, Qt::CaseSensitive);
    }

    void findNextWithoutAnyFindDoesNothing()
    {
        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(QStringLiteral("abc abc"));
        placeCursor(edit, 2);
        edit.findDialogSearch();
        QCOMPARE(where(edit), QStringLiteral("@2"));
        QVERIFY(!edit.findChild<QAzynFindDialog *>());
    }

    void gotoLine_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("proposed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("column");

        QTest::newRow("free text proposes 10") << 0 << lines(20) << 1 << 20 << 10 << 10 << 9 << 1;
        QTest::newRow("function body, first line") << 3 << lines(5) << 4 << 8 << 8 << 4 << 0 << 1;
        QTest::newRow("function body, last line") << 3 << lines(5) << 4 << 8 << 8 << 8 << 4 << 1;
        QTest::newRow("empty line keeps column 0") << 0 << "a\n\nb" << 1 << 3 << 3 << 2 << 1 << 0;
        QTest::newRow("empty text") << 0 << "" << 1 << 1 << 1 << 1 << 0 << 0;
    }
    void gotoLine()
    {
        QFETCH(int, offset);
        QFETCH(QString, text);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, proposed);
        QFETCH(int, answer);
        QFETCH(int, block);
        QFETCH(int, column);

        ScriptedDialogs dialogs;
        dialogs.answer(answer);
        QAZynTextEdit edit(nullptr, offset);
        edit.setPlainText(text);
        edit.moveCursor(QTextCursor::End);
        edit.gotoDialog();

        QCOMPARE(dialogs.questions().count(), 1);
        const ScriptedDialogs::Question question = dialogs.last();
        QCOMPARE(question.kind, DialogKind::Int);
        QCOMPARE(question.caption, QStringLiteral("Goto line"));
        QCOMPARE(question.text, QStringLiteral("Please enter the line number"));
        QCOMPARE(question.minimum, minimum);
        QCOMPARE(question.maximum, maximum);
        QCOMPARE(question.initial, proposed);

        const QTextCursor cursor = edit.textCursor();
        QVERIFY(!cursor.hasSelection());
        QCOMPARE(cursor.blockNumber(), block);
        QCOMPARE(cursor.positionInBlock(), column);
    }

    void gotoCancelledLeavesCursor()
    {
        ScriptedDialogs dialogs;
        dialogs.answer(QVariant());
        QAZynTextEdit edit(nullptr, 0);
        edit.setPlainText(lines(20));
        placeCursor(edit, 30);
        edit.gotoDialog();
        QCOMPARE(dialogs.last().initial, 10);
        QCOMPARE(where(edit), QStringLiteral("@30"));
    }

    void contextMenuEntries()
    {
        QAZynTextEdit edit(nullptr, 0);
        const std::unique_ptr<QMenu> menu(edit.createPopupMenu(QPoint()));
        const QList<QAction *> actions = menu->actions();
        QVERIFY(actions.count() > 5);
        // The standard entries come first.
        QVERIFY(!actions.first()->isSeparator());

        const QList<QAction *> ours = actions.mid(actions.count() - 5);
        QVERIFY(ours.at(0)->isSeparator());
        QCOMPARE(ours.at(1)->text(), QStringLiteral("Find..."));
        QCOMPARE(ours.at(2)->text(), QStringLiteral("Find next occurence"));
        QVERIFY(ours.at(3)->isSeparator());
        QCOMPARE(ours.at(4)->text(), QStringLiteral("go to"));
        QVERIFY(!ours.at(1)->icon().isNull());
        QVERIFY(!ours.at(2)->icon().isNull());
        QVERIFY(ours.at(4)->icon().isNull());
        for (QAction *action : ours)
            QVERIFY(action->shortcut().isEmpty());

        ours.at(1)->trigger();
        auto *dialog = edit.findChild<QAzynFindDialog *>(QStringLiteral("freeTextFind"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Find"));

        ScriptedDialogs dialogs;
        dialogs.answer(QVariant());
        ours.at(4)->trigger();
        QCOMPARE(dialogs.last().caption, QStringLiteral("Goto line"));
    }

    // The pane holding the editor may be replaced while the menu is up (a binary file added
    // meanwhile selects its node).
    void contextMenuSurvivesItsEditor()
    {
        QPointer<QWidget> pane = new QWidget;
        auto *edit = new QAZynTextEdit(pane, 0);
        pane->show();
        QTimer::singleShot(0, pane, [pane] { delete pane; });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit->viewport(), &event);
        QTRY_VERIFY(pane.isNull());
        QVERIFY(!QApplication::activePopupWidget());
    }
};

QTEST_MAIN(TestCodeEditor)
#include "tst_codeeditor.moc"

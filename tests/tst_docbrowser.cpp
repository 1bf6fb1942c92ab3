#include "dialogs/qazyndocbrowser.h"
#include "support/checked.h"
#include "support/testenvironment.h"

#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

// The documentation viewer: its frame and text, the searches from the find bar and from its own
// context menu, and the wrap-around at the end of the text.
class TestDocBrowser : public QObject
{
    Q_OBJECT

private:
    static QString findEntryText()
    {
        return QAZynDocBrowser::tr("Find next occurence") + QLatin1Char('\t')
            + QKeySequence(Qt::Key_F3).toString(QKeySequence::NativeText);
    }

    // What the context menu entry does.
    [[nodiscard]] static bool findNextFromMenu(QAZynDocBrowser &browser)
    {
        return checked([&] {
            std::unique_ptr<QMenu> menu(browser.createPopupMenu(QPoint(1, 1)));
            for (QAction *action : menu->actions()) {
                if (action->text() == findEntryText()) {
                    action->trigger();
                    return;
                }
            }
            QFAIL("the context menu has no find entry");
        });
    }

    // What the find bar does on Return: its text, case-insensitive, no wildcard.
    static void findFromBar(QAZynDocBrowser &browser)
    {
        QASearchRequest request;
        request.pattern = browser.findText();
        request.caseSensitivity = Qt::CaseInsensitive;
        browser.findInDoc(request);
    }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void loadedPageStaysJustified()
    {
        QString page;
        QVERIFY(m_env->writeScratch(
            QStringLiteral("page.html"),
            "<html><body><a name=\"IS\"></a><p>Basic settings.</p></body></html>", &page));

        QAZynDocBrowser browser;
        browser.setSource(QUrl::fromLocalFile(page));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Basic settings.")));
        QCOMPARE(browser.document()->defaultTextOption().alignment(), Qt::AlignJustify);
    }

    // The reference page waits, unread, until the viewer has drawn its first frame, a search
    // needs it or it is scrolled while shown; an anchor asked for meanwhile is shown then.
    void referencePageWaitsForTheFirstFrame_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("first frame") << "paint";
        QTest::newRow("search") << "search";
        QTest::newRow("anchor while shown") << "anchor";
    }
    void referencePageWaitsForTheFirstFrame()
    {
        QFETCH(QString, trigger);
        QString page;
        QVERIFY(m_env->writeScratch(QStringLiteral("reference.html"),
                                    "<html><body>" + QByteArray("<p>Filler text.</p>").repeated(200)
                                        + "<p><a name=\"IS\">Basic settings.</a></p>"
                                        + QByteArray("<p>Filler text.</p>").repeated(200)
                                        + "</body></html>",
                                    &page));

        QAZynDocBrowser browser;
        browser.resize(300, 200);
        browser.setReferencePage(QUrl::fromLocalFile(page));
        browser.scrollToAnchor(QStringLiteral("IS"));
        QVERIFY(browser.toPlainText().isEmpty());
        browser.show();
        QVERIFY(browser.toPlainText().isEmpty());
        if (trigger == QLatin1String("paint")) {
            QVERIFY(QTest::qWaitForWindowExposed(&browser));
            QTRY_VERIFY(!browser.toPlainText().isEmpty());
        } else if (trigger == QLatin1String("search")) {
            QASearchRequest request;
            request.pattern = QStringLiteral("Basic");
            browser.findInDoc(request);
            QCOMPARE(browser.textCursor().selectedText(), QStringLiteral("Basic"));
        } else {
            browser.scrollToAnchor(QStringLiteral("IS"));
        }
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Basic settings.")));
        QVERIFY(browser.verticalScrollBar()->value() > 0);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("findText");
        QTest::addColumn<bool>("fromMenu");
        // One entry per successive search: where the selected match starts (-1: the cursor stays
        // where it was) and whether the wrap was announced.
        QTest::addColumn<QList<int>>("matches");
        QTest::addColumn<QList<bool>>("wrapped");

        QTest::newRow("find bar ignores case") << "xx abc Abc" << 0 << 0 << "Abc" << false
                                               << QList<int> { 3 } << QList<bool> { false };
        QTest::newRow("context menu keeps case")
            << "xx abc Abc" << 0 << 0 << "Abc" << true << QList<int> { 7 } << QList<bool> { false };
        QTest::newRow("context menu searches the selection")
            << "foo bar foo" << 0 << 3 << "bar" << true << QList<int> { 8 }
            << QList<bool> { false };
        QTest::newRow("match only before the cursor found after the wrap")
            << "abc xyz" << 5 << 0 << "abc" << false << QList<int> { 0 } << QList<bool> { true };
        QTest::newRow("match at the cursor found only after the wrap")
            << "abc xyz" << 0 << 0 << "abc" << false << QList<int> { 0 } << QList<bool> { true };
        QTest::newRow("absent text leaves the cursor")
            << "abc xyz" << 2 << 0 << "qqq" << false << QList<int> { -1 } << QList<bool> { true };
        QTest::newRow("absent text from the menu leaves the cursor")
            << "abc xyz" << 2 << 0 << "ABC" << true << QList<int> { -1 } << QList<bool> { true };
        QTest::newRow("two occurrences in a row")
            << "one abc two abc" << 0 << 0 << "abc" << false << QList<int> { 4, 12 }
            << QList<bool> { false, false };
        QTest::newRow("adjacent occurrences")
            << "xabab" << 0 << 0 << "ab" << false << QList<int> { 1, 3 }
            << QList<bool> { false, false };
        QTest::newRow("last occurrence wraps to the first")
            << "abc abc" << 0 << 0 << "abc" << false << QList<int> { 4, 0 }
            << QList<bool> { false, true };
        QTest::newRow("across paragraphs")
            << "first line\nsecond abc\nthird abc" << 0 << 0 << "abc" << false
            << QList<int> { 18, 28 } << QList<bool> { false, false };
        QTest::newRow("empty find text searches nothing")
            << "abc" << 1 << 0 << "" << true << QList<int> { -1 } << QList<bool> { false };
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, selected);
        QFETCH(QString, findText);
        QFETCH(bool, fromMenu);
        QFETCH(QList<int>, matches);
        QFETCH(QList<bool>, wrapped);

        QAZynDocBrowser browser;
        browser.setPlainText(text);
        QTextCursor start(browser.document());
        start.setPosition(cursor);
        start.setPosition(cursor + selected, QTextCursor::KeepAnchor);
        browser.setTextCursor(start);
        browser.findInDocStart(findText);
        const QString pattern = selected ? start.selectedText() : findText;
        QSignalSpy status(&browser, &QAZynDocBrowser::statusMsg);

        for (int i = 0; i < matches.size(); ++i) {
            status.clear();
            if (fromMenu)
                QVERIFY(findNextFromMenu(browser));
            else
                findFromBar(browser);
            const QTextCursor now = browser.textCursor();
            if (matches.at(i) < 0) {
                QCOMPARE(now.anchor(), start.anchor());
                QCOMPARE(now.position(), start.position());
            } else {
                QCOMPARE(now.selectionStart(), matches.at(i));
                QCOMPARE(now.selectedText().compare(pattern, Qt::CaseInsensitive), 0);
            }
            if (wrapped.at(i)) {
                QCOMPARE(status.size(), 1);
                QCOMPARE(status.first().at(0).toString(),
                         QAZynDocBrowser::tr("Search hit bottom, continuing at top"));
                QCOMPARE(status.first().at(1).toInt(), 2000);
            } else {
                QCOMPARE(status.size(), 0);
            }
        }
    }
};

QTEST_MAIN(TestDocBrowser)
#include "tst_docbrowser.moc"

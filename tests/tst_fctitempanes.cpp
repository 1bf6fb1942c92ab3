#include "dialogs/qazyntextedit.h"
#include "document/domtext.h"
#include "panefixtures.h"
#include "panes/qafctviewer.h"
#include "panes/qaitemviewer.h"
#include "support/checked.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// The function pane and the item pane: which element they edit, and where the comment box goes.
class TestFctItemPanes : public QObject
{
    Q_OBJECT

private:
    static QString functionXml(const QString &functions)
    {
        return "<PRIV_OPEN Label='Open' Doc='FCT'><COMMENT>fct comment</COMMENT>" + functions
            + "</PRIV_OPEN>";
    }
    static QString function(const QString &tag, const QString &id)
    {
        return QStringLiteral(
                   "<%1><PROTO>%2 proto</PROTO><VALUE>%2 body</VALUE><TAIL>%2 tail</TAIL>"
                   "</%1>")
            .arg(tag, id);
    }

    static QString itemXml()
    {
        return "<DATA_TYPES Label='Data Types' Doc='NODE'><COMMENT>node comment</COMMENT>"
               "<ITEM><TEXT_MACRO Name='T1' Doc='M1'><COMMENT>t1 comment</COMMENT>"
               "<VALUE>int</VALUE></TEXT_MACRO></ITEM>"
               "<ITEM><TEXT_MACRO Name='T2' Doc='M2'><COMMENT>t2 comment</COMMENT>"
               "<VALUE>long</VALUE></TEXT_MACRO></ITEM>"
               "<ITEM><BINARY_MACRO Name='B3' Doc='M3' Value='0'><COMMENT>b3 comment</COMMENT>"
               "</BINARY_MACRO></ITEM>"
               "</DATA_TYPES>";
    }

    static QString commentOf(const QDomElement &element)
    {
        return childText(QStringLiteral("COMMENT"), element, 1);
    }

    [[nodiscard]] static bool activate(QWidget *pane)
    {
        return checked([&] {
            pane->resize(400, 400);
            pane->show();
            pane->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(pane));
        });
    }

private Q_SLOTS:
    void functionPaneEditsThePreferredFunction_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<QString>("edited");

        QTest::newRow("VALUEFCTADA wins over an earlier VALUEFCT")
            << function("VALUEFCT", "c") + function("VALUEFCTADA", "ada") << "VALUEFCTADA";
        QTest::newRow("VALUEFCTPERL wins over both") << function("VALUEFCT", "c")
                + function("VALUEFCTADA", "ada")
                + function("VALUEFCTPERL", "perl") << "VALUEFCTPERL";
        QTest::newRow("VALUEFCT alone") << function("VALUEFCT", "c") << "VALUEFCT";
    }
    void functionPaneEditsThePreferredFunction()
    {
        QFETCH(QString, functions);
        QFETCH(QString, edited);

        QDomDocument document;
        const QDomElement element = parseFixture(document, functionXml(functions));
        const QDomElement target = element.firstChildElement(edited);
        const QString id = childText("PROTO", target).section(' ', 0, 0);
        AnchorBrowser browser({ "FCT" });
        QAFctViewer pane(element, nullptr, &browser);
        QCOMPARE(browser.shownAnchor(), QStringLiteral("FCT"));

        QCOMPARE(pane.findChild<QLabel *>("proto")->text(), id + " proto");
        QCOMPARE(pane.findChild<QLabel *>("tail")->text(), id + " tail");
        auto *body = pane.findChild<QAZynTextEdit *>("textEdit");
        QCOMPARE(body->toPlainText(), id + " body");
        // The first body line is line 4 of the generated function.
        QCOMPARE(body->lineOffset(), 3);

        body->moveCursor(QTextCursor::End);
        QTest::keyClick(body, Qt::Key_X);
        QCOMPARE(childText("VALUE", target), id + " bodyx");
        for (QDomElement other = element.firstChildElement(); !other.isNull();
             other = other.nextSiblingElement()) {
            if (other != target && other.tagName() != QLatin1String("COMMENT"))
                QVERIFY(childText("VALUE", other).endsWith(QLatin1String("body")));
        }
        QVERIFY(pane.isModified());
    }

    void functionPaneRewritesTheBodyAtEveryKeystroke_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("text body") << "<VALUE>c body</VALUE>";
        // Documents keep code in CDATA sections.
        QTest::newRow("CDATA body") << "<VALUE><![CDATA[c body]]></VALUE>";
    }
    void functionPaneRewritesTheBodyAtEveryKeystroke()
    {
        QFETCH(QString, value);
        QDomDocument document;
        const QDomElement element = parseFixture(
            document,
            functionXml("<VALUEFCT><PROTO>p</PROTO>" + value + "<TAIL>t</TAIL></VALUEFCT>"));
        const QDomElement target = element.firstChildElement("VALUEFCT");
        QAZynDocBrowser browser;
        QAFctViewer pane(element, nullptr, &browser);
        auto *body = pane.findChild<QAZynTextEdit *>("textEdit");
        QCOMPARE(body->toPlainText(), QStringLiteral("c body"));
        QStringList writes;
        connect(body, &QPlainTextEdit::textChanged, this,
                [&] { writes << childText("VALUE", target); });

        body->moveCursor(QTextCursor::End);
        QTest::keyClick(body, Qt::Key_Return);
        QTest::keyClicks(body, "ab");
        body->moveCursor(QTextCursor::Start);
        QTest::keyClick(body, Qt::Key_Delete);

        QCOMPARE(writes, QStringList({ "c body\n", "c body\na", "c body\nab", " body\nab" }));
    }

    void functionPaneCommentAndFixedTexts()
    {
        QDomDocument document;
        const QDomElement element = parseFixture(
            document,
            functionXml("<VALUEFCT><PROTO>&lt;b&gt;int f()&lt;/b&gt; {</PROTO><VALUE>x</VALUE>"
                        "<TAIL>}</TAIL></VALUEFCT>"));
        AnchorBrowser browser({ "FCT" });
        QAFctViewer pane(element, nullptr, &browser);
        browser.forget();
        pane.showNode();
        QCOMPARE(browser.shownAnchor(), QStringLiteral("FCT"));

        auto *proto = pane.findChild<QLabel *>("proto");
        QCOMPARE(proto->textFormat(), Qt::PlainText);
        QCOMPARE(proto->text(), QStringLiteral("<b>int f()</b> {"));
        auto *comment = pane.findChild<QPlainTextEdit *>("commentEdit");
        QCOMPARE(comment->toPlainText(), QStringLiteral("fct comment"));
        auto *title = pane.findChild<QLabel *>("commentLabel");
        QCOMPARE(title->buddy(), comment);
        QCOMPARE(title->text(), QStringLiteral("Comment for \"Open\" node "));

        comment->moveCursor(QTextCursor::End);
        QTest::keyClicks(comment, "!");
        QCOMPARE(commentOf(element), QStringLiteral("fct comment!"));
        QVERIFY(pane.isModified());
    }

    // Typing where nothing can be stored would lose the text without a word.
    void functionPaneFieldsWithoutTargetAreReadOnly_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("bodyReadOnly");
        QTest::addColumn<bool>("commentReadOnly");

        QTest::newRow("complete function")
            << functionXml(function("VALUEFCT", "c")) << false << false;
        QTest::newRow("no function child") << functionXml("") << true << false;
        QTest::newRow("function without VALUE")
            << functionXml("<VALUEFCT><PROTO>p</PROTO><TAIL>t</TAIL></VALUEFCT>") << true << false;
        QTest::newRow("element without COMMENT")
            << "<PRIV_OPEN Label='Open'>" + function("VALUEFCT", "c") + "</PRIV_OPEN>" << false
            << true;
    }
    void functionPaneFieldsWithoutTargetAreReadOnly()
    {
        QFETCH(QString, xml);
        QFETCH(bool, bodyReadOnly);
        QFETCH(bool, commentReadOnly);

        QDomDocument document;
        QAZynDocBrowser browser;
        QAFctViewer pane(parseFixture(document, xml), nullptr, &browser);
        QCOMPARE(pane.findChild<QAZynTextEdit *>("textEdit")->isReadOnly(), bodyReadOnly);
        QCOMPARE(pane.findChild<QPlainTextEdit *>("commentEdit")->isReadOnly(), commentReadOnly);
        QVERIFY(!pane.isModified());
    }

    void itemPaneShowsMacrosInWrappers_data()
    {
        QTest::addColumn<QString>("children");
        QTest::addColumn<QStringList>("widgets");

        const auto wrap = [](const QString &tag, const QString &name) {
            return QStringLiteral("<ITEM><%1 Name='%2' Value='1'><COMMENT/><VALUE/></%1></ITEM>")
                .arg(tag, name);
        };
        QTest::newRow("text, Ada rename and optional in document order")
            << wrap("TEXT_MACRO", "a") + wrap("RENAMEADA", "b") + wrap("OPTIONAL_MACRO", "c")
            << QStringList { "textMacro", "binaryMacro", "optionalMacro" };
        QTest::newRow("Ada text kinds are text macros")
            << wrap("TYPEADA", "a") + wrap("CONSTANTADA", "b") + wrap("CONSTANTSTRINGADA", "c")
            << QStringList { "textMacro", "textMacro", "textMacro" };
        QTest::newRow("binary macro") << wrap("BINARY_MACRO", "a") << QStringList { "binaryMacro" };
        QTest::newRow("macro directly under the element is not shown")
            << "<BINARY_MACRO Name='x' Value='1'><COMMENT/></BINARY_MACRO>"
                + wrap("TEXT_MACRO", "a")
            << QStringList { "textMacro" };
        QTest::newRow("wrapper of another tag or of text shows nothing")
            << "<ITEM><OTHER Name='x'/></ITEM><ITEM>text</ITEM><ITEM/>" << QStringList();
    }
    void itemPaneShowsMacrosInWrappers()
    {
        QFETCH(QString, children);
        QFETCH(QStringList, widgets);

        QDomDocument document;
        const QDomElement element = parseFixture(
            document, "<ITEM_PAGE Label='L'><COMMENT>c</COMMENT>" + children + "</ITEM_PAGE>");
        const QString before = document.toString();
        QAZynDocBrowser browser;
        QAItemViewer pane(element, nullptr, &browser);

        QStringList shown;
        for (QObject *child : pane.findChild<QWidget *>("macros")->children()) {
            if (child->isWidgetType())
                shown << child->objectName();
        }
        QCOMPARE(shown, widgets);
        QCOMPARE(document.toString(), before);
        QVERIFY(!pane.isModified());
    }

    void itemPaneCommentFollowsTheMacro()
    {
        QDomDocument document;
        const QDomElement element = parseFixture(document, itemXml());
        const QDomElement t1 = element.firstChildElement("ITEM").firstChildElement();
        const QDomElement t2
            = element.firstChildElement("ITEM").nextSiblingElement().firstChildElement();
        AnchorBrowser browser({ "NODE", "M1", "M2", "M3" });
        QAItemViewer pane(element, nullptr, &browser);
        QVERIFY(activate(&pane));
        const auto fields = pane.findChildren<QLineEdit *>();
        fields.at(0)->setFocus();
        QCOMPARE(QApplication::focusWidget(), fields.at(0));
        pane.showNode();
        auto *comment = pane.findChild<QPlainTextEdit *>("commentEdit");
        QLabel *title = pane.findChild<QLabel *>("commentLabel");
        QCOMPARE(title->text(), QStringLiteral("Comment for \"Data Types\" node:"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("node comment"));
        QCOMPARE(browser.shownAnchor(), QStringLiteral("NODE"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fields.at(1));
        QCOMPARE(title->text(), QStringLiteral("Comment for \"T2\" item:"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("t2 comment"));
        QCOMPARE(browser.shownAnchor(), QStringLiteral("M2"));
        QVERIFY(!pane.isModified());

        comment->moveCursor(QTextCursor::End);
        QTest::keyClicks(comment, "!");
        QCOMPARE(commentOf(t2), QStringLiteral("t2 comment!"));
        QCOMPARE(commentOf(t1), QStringLiteral("t1 comment"));
        QCOMPARE(commentOf(element), QStringLiteral("node comment"));
        QVERIFY(pane.isModified());

        // Back to the node: the box edits the node's own comment again.
        pane.showNode();
        QCOMPARE(title->text(), QStringLiteral("Comment for \"Data Types\" node:"));
        QCOMPARE(browser.shownAnchor(), QStringLiteral("NODE"));
        QTest::keyClicks(comment, "?");
        QCOMPARE(commentOf(element), QStringLiteral("?node comment"));
        QCOMPARE(commentOf(t2), QStringLiteral("t2 comment!"));
    }

    void itemPaneBinaryToggleSetsModified()
    {
        QDomDocument document;
        const QDomElement element = parseFixture(document, itemXml());
        const QDomElement b3 = element.lastChildElement("ITEM").firstChildElement();
        AnchorBrowser browser({ "NODE", "M3" });
        QAItemViewer pane(element, nullptr, &browser);
        pane.showNode();
        QVERIFY(!pane.isModified());

        pane.findChild<QCheckBox *>()->click();

        QCOMPARE(b3.attribute("Value"), QStringLiteral("1"));
        QVERIFY(pane.isModified());
        QCOMPARE(pane.findChild<QLabel *>("commentLabel")->text(),
                 QStringLiteral("Comment for \"B3\" item:"));
        QCOMPARE(pane.findChild<QPlainTextEdit *>("commentEdit")->toPlainText(),
                 QStringLiteral("b3 comment"));
        QCOMPARE(browser.shownAnchor(), QStringLiteral("M3"));
    }

    void itemPaneMacroWithoutCommentIsReadOnly()
    {
        QDomDocument document;
        const QDomElement element = parseFixture(
            document,
            "<ITEM_PAGE Label='L'><COMMENT>c</COMMENT><ITEM><BINARY_MACRO Name='B' Value='0'/>"
            "</ITEM></ITEM_PAGE>");
        QAZynDocBrowser browser;
        QAItemViewer pane(element, nullptr, &browser);
        auto *comment = pane.findChild<QPlainTextEdit *>("commentEdit");
        QVERIFY(!comment->isReadOnly());
        pane.findChild<QCheckBox *>()->click();
        QVERIFY(comment->isReadOnly());
        pane.showNode();
        QVERIFY(!comment->isReadOnly());
    }
};

QTEST_MAIN(TestFctItemPanes)
#include "tst_fctitempanes.moc"

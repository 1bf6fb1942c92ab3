#include "document/domtext.h"
#include "panefixtures.h"
#include "panes/qachoiceviewer.h"
#include "support/checked.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

// The choice pane, one table: what the selector and the tabs show, what a pick writes, and which
// element the comment box shows and edits after the user's steps.
class TestChoicePane : public QObject
{
    Q_OBJECT

private:
    // Entries A (sensitive) and B (not); tabs: code, an Ada function that makes no tab, header
    // code and items. Elements carry an id so that the table can name them.
    static QString standard(const QString &value)
    {
        return QStringLiteral(
                   "<EXIT id='node' Label='Node' Doc='NODE'>"
                   "<CHOICE Name='Call:' Value='%1'>"
                   "<CHOICEDATA Sensitive='1'>A</CHOICEDATA>"
                   "<CHOICEDATA Sensitive='0'>B</CHOICEDATA>"
                   "<ONGLET Label='Code Tab'><VALUEFCTC id='f1' Doc='F1'><PROTO>p1</PROTO>"
                   "<VALUE><![CDATA[v1]]></VALUE><TAIL>t1</TAIL><COMMENT>f1 "
                   "comment</COMMENT></VALUEFCTC>"
                   "</ONGLET>"
                   "<ONGLET Label='Ada Tab'><VALUEFCTADA id='ada' Doc='ADA'><PROTO/><VALUE/>"
                   "<TAIL/><COMMENT>ada comment</COMMENT></VALUEFCTADA></ONGLET>"
                   "<ONGLET Label='Header Tab'><VALUEFCTH id='f2' Doc='F2'><PROTO>p2</PROTO>"
                   "<VALUE>v2</VALUE><TAIL>t2</TAIL><COMMENT>f2 comment</COMMENT></VALUEFCTH>"
                   "</ONGLET>"
                   "<ONGLET Label='Item Tab'>"
                   "<ITEM id='item1'><BINARY_MACRO id='b1' Name='B1' Doc='M1' Value='0'>"
                   "<COMMENT>b1 comment</COMMENT></BINARY_MACRO></ITEM>"
                   "<ITEM><TYPEADA Name='ADA' Doc='ADA'><COMMENT/><VALUE/></TYPEADA></ITEM>"
                   "</ONGLET>"
                   "</CHOICE>"
                   "<COMMENT>node comment</COMMENT></EXIT>")
            .arg(value);
    }

    // The first entry has no text: later entries keep their own sensitivity.
    static QString textless(const QString &value)
    {
        return QStringLiteral("<EXIT id='node' Label='Node' Doc='NODE'>"
                              "<CHOICE Name='Call:' Value='%1'>"
                              "<CHOICEDATA Sensitive='1'/>"
                              "<CHOICEDATA Sensitive='0'>A</CHOICEDATA>"
                              "<CHOICEDATA Sensitive='1'>B</CHOICEDATA>"
                              "<ONGLET Label='Code Tab'><VALUEFCT id='f1' Doc='F1'><PROTO/>"
                              "<VALUE/><TAIL/><COMMENT>f1 comment</COMMENT></VALUEFCT></ONGLET>"
                              "</CHOICE><COMMENT>node comment</COMMENT></EXIT>")
            .arg(value);
    }

    static QDomElement byId(const QDomElement &root, const QString &id)
    {
        if (root.attribute("id") == id)
            return root;
        for (QDomElement child = root.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            const QDomElement found = byId(child, id);
            if (!found.isNull())
                return found;
        }
        return QDomElement();
    }

    // The ids of the elements whose COMMENT differs between two snapshots.
    static QStringList changedComments(const QDomElement &root, const QDomElement &before)
    {
        QStringList changed;
        if (childText("COMMENT", root) != childText("COMMENT", before))
            changed << root.attribute("id");
        QDomElement other = before.firstChildElement();
        for (QDomElement child = root.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement(), other = other.nextSiblingElement())
            changed << changedComments(child, other);
        return changed;
    }

    [[nodiscard]] static bool run(QAChoiceViewer &pane, const QString &step)
    {
        return checked([&] {
            auto *choices = pane.findChild<QComboBox *>("choices");
            auto *tabs = pane.findChild<QTabWidget *>("tabs");
            const QString verb = step.section(':', 0, 0);
            const int index = step.section(':', 1).toInt();
            if (verb == QLatin1String("pick")) {
                // What the combo box does when the user picks an entry, even the current one.
                choices->setCurrentIndex(index);
                Q_EMIT choices->activated(index);
            } else if (verb == QLatin1String("tab")) {
                tabs->setCurrentIndex(index);
            } else if (verb == QLatin1String("click")) {
                tabs->setCurrentIndex(index);
                QTest::mouseClick(tabs->currentWidget()->findChild<QPlainTextEdit *>()->viewport(),
                                  Qt::LeftButton);
            } else if (verb == QLatin1String("beside")) {
                tabs->setCurrentIndex(index);
                QTest::mouseClick(tabs->currentWidget()->findChild<QLabel *>("proto"),
                                  Qt::LeftButton);
            } else if (verb == QLatin1String("toggle")) {
                tabs->currentWidget()->findChild<QCheckBox *>()->click();
            } else if (verb == QLatin1String("shownode")) {
                pane.showNode();
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        });
    }

private Q_SLOTS:
    void choicePane_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("tabsEnabled");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("commentTarget"); // empty: the box is read-only

        const QString nodeTitle = "Comment for \"Node\" node ";
        QTest::newRow("second entry selected and insensitive opens with tabs disabled")
            << standard("B") << QStringList() << 1 << false << "B" << false << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("picking a sensitive entry enables the tabs and writes Value")
            << standard("B") << QStringList { "pick:0" } << 0 << true << "A" << true << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("picking an insensitive entry disables the tabs")
            << standard("A") << QStringList { "pick:1" } << 1 << false << "B" << true << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("picking the selected entry again writes Value and sets modified")
            << standard("A") << QStringList { "pick:0" } << 0 << true << "A" << true << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("unmatched Value shows the first entry and stays")
            << standard("Z") << QStringList() << 0 << true << "Z" << false << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("unmatched Value is replaced by a pick")
            << standard("Z") << QStringList { "pick:1" } << 1 << false << "B" << true << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("last equal entry is current")
            << "<EXIT id='node' Label='Node' Doc='NODE'><CHOICE Name='Call:' Value='A'>"
               "<CHOICEDATA Sensitive='0'>A</CHOICEDATA><CHOICEDATA Sensitive='1'>A</CHOICEDATA>"
               "</CHOICE><COMMENT>node comment</COMMENT></EXIT>"
            << QStringList() << 1 << true << "A" << false << nodeTitle << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("click into a code tab moves the comment to its function")
            << standard("A") << QStringList { "click:0" } << 0 << true << "A" << false
            << "Comment for \"Code Tab\" item "
            << "f1 comment"
            << "F1"
            << "f1";
        QTest::newRow("press beside a code tab's text moves the comment to its function")
            << standard("A") << QStringList { "beside:0" } << 0 << true << "A" << false
            << "Comment for \"Code Tab\" item "
            << "f1 comment"
            << "F1"
            << "f1";
        QTest::newRow("tab change makes the tab's function current, past the Ada one")
            << standard("A") << QStringList { "tab:1" } << 0 << true << "A" << false
            << "Comment for \"Header Tab\" item "
            << "f2 comment"
            << "F2"
            << "f2";
        QTest::newRow("tab change back shows the first tab's function again")
            << standard("A") << QStringList { "tab:1", "tab:0" } << 0 << true << "A" << false
            << "Comment for \"Code Tab\" item "
            << "f1 comment"
            << "F1"
            << "f1";
        QTest::newRow("tab change to an item tab shows its first item, read-only")
            << standard("A") << QStringList { "tab:2" } << 0 << true << "A" << false
            << "Comment for \"Item Tab\" item "
            << ""
            << "NODE"
            << "";
        QTest::newRow("item tab toggle sets modified and moves the comment to the macro")
            << standard("A") << QStringList { "tab:2", "toggle" } << 0 << true << "A" << true
            << "Comment for \"B1\" item "
            << "b1 comment"
            << "M1"
            << "b1";
        QTest::newRow("showNode brings the comment back to the node")
            << standard("A") << QStringList { "click:0", "shownode" } << 0 << true << "A" << false
            << nodeTitle << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("entry without text does not shift the sensitivity of later ones")
            << textless("A") << QStringList() << 0 << false << "A" << false << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("entry without text does not shift the entry a pick refers to")
            << textless("A") << QStringList { "pick:1" } << 1 << true << "B" << true << nodeTitle
            << "node comment"
            << "NODE"
            << "node";
        QTest::newRow("without CHOICE there is nothing to pick")
            << "<EXIT id='node' Label='Node' Doc='NODE'><COMMENT>node comment</COMMENT></EXIT>"
            << QStringList() << -1 << false << "" << false << nodeTitle << "node comment"
            << "NODE"
            << "node";
    }
    void choicePane()
    {
        QFETCH(QString, xml);
        QFETCH(QStringList, steps);
        QFETCH(int, entry);
        QFETCH(bool, tabsEnabled);
        QFETCH(QString, value);
        QFETCH(bool, modified);
        QFETCH(QString, title);
        QFETCH(QString, comment);
        QFETCH(QString, anchor);
        QFETCH(QString, commentTarget);

        QDomDocument document;
        const QDomElement element = parseFixture(document, xml);
        AnchorBrowser browser({ "NODE", "F1", "F2", "M1", "ADA" });
        QAChoiceViewer pane(element, nullptr, &browser);
        pane.resize(500, 500);
        pane.show();
        pane.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pane));
        pane.showNode();
        for (const QString &step : steps)
            QVERIFY(run(pane, step));

        auto *choices = pane.findChild<QComboBox *>("choices");
        QCOMPARE(choices->currentIndex(), entry);
        QCOMPARE(pane.findChild<QTabWidget *>("tabs")->isEnabled(), tabsEnabled);
        QCOMPARE(element.firstChildElement("CHOICE").attribute("Value"), value);
        QCOMPARE(pane.isModified(), modified);
        QCOMPARE(pane.findChild<QLabel *>("commentLabel")->text(), title);
        auto *box = pane.findChild<QPlainTextEdit *>("commentEdit");
        QCOMPARE(box->toPlainText(), comment);
        QCOMPARE(browser.shownAnchor(), anchor);

        // Typing lands on the element whose comment is shown, and only there.
        const QDomElement before = element.cloneNode(true).toElement();
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, "!");
        const QStringList changed = changedComments(element, before);
        QCOMPARE(changed, commentTarget.isEmpty() ? QStringList() : QStringList { commentTarget });
        QCOMPARE(box->isReadOnly(), commentTarget.isEmpty());
        if (!commentTarget.isEmpty())
            QCOMPARE(childText("COMMENT", byId(element, commentTarget)), comment + "!");
    }

    void choicePaneShowsTabsAndSelector()
    {
        QDomDocument document;
        const QDomElement element = parseFixture(document, standard("A"));
        QAZynDocBrowser browser;
        QAChoiceViewer pane(element, nullptr, &browser);

        QCOMPARE(pane.findChild<QLabel *>("choiceName")->text(), QStringLiteral("Call:"));
        auto *choices = pane.findChild<QComboBox *>("choices");
        QCOMPARE(choices->count(), 2);
        QVERIFY(!choices->isEditable());
        auto *tabs = pane.findChild<QTabWidget *>("tabs");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        // The Ada function makes no tab.
        QCOMPARE(titles, QStringList({ "Code Tab", "Header Tab", "Item Tab" }));
        // Item tabs know only the three plain macro kinds.
        QCOMPARE(tabs->widget(2)->findChildren<QCheckBox *>().size(), 1);
        QCOMPARE(tabs->widget(2)->findChildren<QLineEdit *>().size(), 0);
        QCOMPARE(tabs->widget(0)->findChild<QLabel *>("proto")->text(), QStringLiteral("p1"));
        QCOMPARE(tabs->widget(0)->findChild<QLabel *>("tail")->text(), QStringLiteral("t1"));

        auto *body = tabs->widget(0)->findChild<QPlainTextEdit *>();
        body->moveCursor(QTextCursor::End);
        QTest::keyClicks(body, "xy");
        QCOMPARE(childText("VALUE", byId(element, "f1")), QStringLiteral("v1xy"));
        QVERIFY(pane.isModified());
    }
};

QTEST_MAIN(TestChoicePane)
#include "tst_choicepane.moc"

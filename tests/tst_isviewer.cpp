#include "dialogs/qazyndocbrowser.h"
#include "document/qarenamedelegate.h"
#include "panes/qaisviewer.h"
#include "panes/qaisvieweritem.h"
#include "panes/qatextedit.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString ThreeKeys = QStringLiteral(
    "<ASMEXT Doc=\"ASMEXT\" Label=\"Assembler\"><COMMENT>asm</COMMENT><VALUE>.s</VALUE></ASMEXT>"
    "<SRCEXT Doc=\"SRCEXT\" Label=\"Source\"><COMMENT>src</COMMENT><VALUE>.c</VALUE></SRCEXT>"
    "<INIFIELD Doc=\"ISOTHERS\"><COMMENT>cc</COMMENT><KEY>CC</KEY><VALUE>gcc</VALUE></INIFIELD>");

// Tag, sorted attributes and each child with its text: enough to tell two key elements apart.
QString describe(const QDomElement &element)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int index = 0; index < map.count(); ++index)
        attributes << map.item(index).nodeName() + '=' + map.item(index).nodeValue();
    attributes.sort();
    QStringList children;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling())
        children << child.nodeName() + '=' + child.toElement().text();
    return element.tagName() + '[' + attributes.join(',') + "](" + children.join(',') + ')';
}

QStringList twice(const QString &order)
{
    return { order, order };
}

} // namespace

// The basic-settings pane: the key list and the key container must tell the same story after
// every operation.
class TestIsViewer : public QObject
{
    Q_OBJECT

private:
    void open(const QString &keys = ThreeKeys)
    {
        const QString xml
            = "<ZYN><IS Doc=\"ISDOC\" Label=\"Basic Settings\"><COMMENT>group</COMMENT>"
              "<IS_C Label=\"C Language\"><KEYS><COMMENT>node</COMMENT>"
            + keys + "</KEYS></IS_C></IS></ZYN>";
        QVERIFY(m_document.setContent(xml));
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_doc = new QAZynDocBrowser(m_window.get());
        m_doc->setHtml(anchorsPage());
        m_doc->setFixedHeight(80);
        layout->addWidget(m_doc);
        m_pane = new QAIsViewer(settings(), m_window.get(), m_doc);
        layout->addWidget(m_pane);
        m_elsewhere = new QLineEdit(m_window.get());
        layout->addWidget(m_elsewhere);
        m_window->resize(500, 600);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_pane->showNode();
    }

    static QString anchorsPage()
    {
        QString html;
        for (const char *anchor : { "ISDOC", "ASMEXT", "SRCEXT", "ISOTHERS" }) {
            html += QStringLiteral("<p><a name=\"%1\">%1</a></p>").arg(QLatin1String(anchor));
            html += QStringLiteral("<p>text</p>").repeated(40);
        }
        return html;
    }

    QDomElement settings() const
    {
        return m_document.documentElement().firstChildElement("IS").firstChildElement("IS_C");
    }
    QDomElement container() const { return QAIsKeys::container(settings()); }
    QTreeWidget *list() const { return m_pane->keyList(); }
    QAIsViewerItem *row(int index) const
    {
        return dynamic_cast<QAIsViewerItem *>(list()->topLevelItem(index));
    }
    QPushButton *button(const char *name) const
    {
        return m_pane->findChild<QPushButton *>(QLatin1String(name));
    }
    QATextEdit *commentEdit() const { return m_pane->findChild<QATextEdit *>(); }
    QString commentTitle() const
    {
        for (QLabel *label : m_pane->findChildren<QLabel *>()) {
            if (label->buddy() == commentEdit())
                return label->text();
        }
        return QString();
    }
    bool buttonsEnabled() const
    {
        return button("addButton")->isEnabled() && button("moveUpButton")->isEnabled()
            && button("moveDownButton")->isEnabled();
    }

    // The key names as the list shows them and as the container holds them.
    QStringList orders() const
    {
        QStringList shown;
        for (int index = 0; index < list()->topLevelItemCount(); ++index)
            shown << list()->topLevelItem(index)->text(0);
        QStringList held;
        for (const QDomElement &key : QAIsKeys::keys(container()))
            held << QAIsKeys::keyName(key);
        return { shown.join(' '), held.join(' ') };
    }

    void select(int index) { list()->setCurrentItem(row(index)); }
    QPoint cell(int index, int column) const
    {
        return list()->visualRect(list()->model()->index(index, column)).center();
    }
    QLineEdit *openEditor() const
    {
        for (QLineEdit *editor : list()->viewport()->findChildren<QLineEdit *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    QDomDocument m_document;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QWidget> m_window;
    QAIsViewer *m_pane = nullptr;
    QAZynDocBrowser *m_doc = nullptr;
    QLineEdit *m_elsewhere = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        // Keeps the waits for a second click short.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(150);
    }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
    }

    void showsKeysInDocumentOrder_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("predefined keys and a user key")
            << ThreeKeys << QStringList { "ASMEXT=.s", "SRCEXT=.c", "CC=gcc" };
        QTest::newRow("empty KEY and VALUE")
            << "<INIFIELD><COMMENT/><KEY/><VALUE/></INIFIELD>" << QStringList { "=" };
        QTest::newRow("other tag shows the tag")
            << "<TOOL><VALUE>x</VALUE></TOOL>" << QStringList { "TOOL=x" };
        QTest::newRow("a second COMMENT is no key")
            << "<COMMENT>again</COMMENT><SRCEXT><VALUE>.c</VALUE></SRCEXT>"
            << QStringList { "SRCEXT=.c" };
    }
    void showsKeysInDocumentOrder()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, rows);
        open(keys);
        QStringList shown;
        for (int index = 0; index < list()->topLevelItemCount(); ++index)
            shown << row(index)->text(0) + '=' + row(index)->text(1);
        QCOMPARE(shown, rows);
        QCOMPARE(list()->headerItem()->text(0), QStringLiteral("KEY"));
        QCOMPARE(list()->headerItem()->text(1), QStringLiteral("VALUE"));
        QCOMPARE(commentTitle(), QStringLiteral("Comment for \"C Language\" node:"));
        QCOMPARE(commentEdit()->toPlainText(), QStringLiteral("node"));
        QVERIFY(!m_pane->isModified());
    }

    void currentRowDrivesCommentAndRemove_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("removeEnabled");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comment");
        QTest::newRow("predefined key") << 1 << false << "Comment for \"SRCEXT\" item:"
                                        << "src";
        QTest::newRow("user key") << 2 << true << "Comment for \"CC\" item:"
                                  << "cc";
    }
    void currentRowDrivesCommentAndRemove()
    {
        QFETCH(int, index);
        QFETCH(bool, removeEnabled);
        QFETCH(QString, title);
        QFETCH(QString, comment);
        open();
        // Coming from the other kind of row proves the state is set both ways.
        select(index == 1 ? 2 : 1);
        select(index);
        QCOMPARE(button("removeButton")->isEnabled(), removeEnabled);
        QVERIFY(buttonsEnabled());
        QCOMPARE(commentTitle(), title);
        QCOMPARE(commentEdit()->toPlainText(), comment);
        QCOMPARE(m_pane->currentElement(), row(index)->element());
        QVERIFY(!m_pane->isModified());
    }

    void documentationFollowsRowAndNode()
    {
        open();
        const int atNode = m_doc->verticalScrollBar()->value();
        select(1);
        const int atKey = m_doc->verticalScrollBar()->value();
        QVERIFY2(atKey > atNode, "the key's anchor lies below the group's");
        m_pane->showNode();
        QCOMPARE(m_doc->verticalScrollBar()->value(), atNode);
        QCOMPARE(commentTitle(), QStringLiteral("Comment for \"C Language\" node:"));
    }

    void renamePermissions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("makeCurrent");
        QTest::addColumn<bool>("opens");
        QTest::newRow("predefined key name is fixed") << 1 << 0 << true << false;
        QTest::newRow("predefined key value") << 1 << 1 << true << true;
        QTest::newRow("user key name") << 2 << 0 << true << true;
        QTest::newRow("user key value") << 2 << 1 << true << true;
        QTest::newRow("other tag name cannot be stored") << 3 << 0 << true << false;
        QTest::newRow("row never current") << 2 << 1 << false << false;
    }
    void renamePermissions()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(bool, makeCurrent);
        QFETCH(bool, opens);
        open(ThreeKeys + "<TOOL><COMMENT/><VALUE>x</VALUE></TOOL>");
        if (makeCurrent)
            select(index);
        // The view's own request, as the rename on click makes it.
        list()->edit(list()->model()->index(index, column));
        QCOMPARE(m_pane->renameDelegate()->isEditing(), opens);
        QCOMPARE(buttonsEnabled(), !opens);
        QCOMPARE(m_pane->isModified(), opens);
        if (opens) {
            QCOMPARE(m_pane->renameDelegate()->editingIndex().column(), column);
            QCOMPARE(row(index)->renameColumn(), column);
            QVERIFY(!button("removeButton")->isEnabled());
        }
        // What the editor area does before a save: harmless when nothing is open.
        const QString before
            = QAIsKeys::keyName(row(index)->element()) + QAIsKeys::keyValue(row(index)->element());
        m_pane->acceptOpenEdit();
        QVERIFY(!m_pane->renameDelegate()->isEditing());
        QVERIFY(buttonsEnabled());
        QCOMPARE(QAIsKeys::keyName(row(index)->element())
                     + QAIsKeys::keyValue(row(index)->element()),
                 before);
    }

    void closingThePaneDuringAnEdit()
    {
        open();
        select(2);
        list()->edit(list()->model()->index(2, 1));
        QVERIFY(openEditor());
        QTest::keyClicks(openEditor(), "typed");
        delete m_pane;
        m_pane = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(QAIsKeys::keys(container()).size(), 3);
    }

    void inPlaceEdit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("value confirmed with Return") << 2 << 1 << "double click"
                                                     << "return"
                                                     << "CC"
                                                     << "typed";
        QTest::newRow("value dropped with Escape") << 2 << 1 << "double click"
                                                   << "escape"
                                                   << "CC"
                                                   << "gcc";
        QTest::newRow("predefined value by double click on its key") << 1 << 0 << "double click"
                                                                     << "return"
                                                                     << "SRCEXT"
                                                                     << "typed";
        QTest::newRow("value committed by clicking elsewhere") << 0 << 1 << "double click"
                                                               << "click elsewhere"
                                                               << "ASMEXT"
                                                               << "typed";
        QTest::newRow("value committed before a save") << 0 << 1 << "double click"
                                                       << "accept open edit"
                                                       << "ASMEXT"
                                                       << "typed";
        QTest::newRow("double click on the current row edits the value")
            << 2 << 0 << "double click current"
            << "return"
            << "CC"
            << "typed";
        QTest::newRow("user key renamed on click of the current row") << 2 << 0 << "click current"
                                                                      << "return"
                                                                      << "typed"
                                                                      << "gcc";
        QTest::newRow("user key rename dropped with Escape") << 2 << 0 << "click current"
                                                             << "escape"
                                                             << "CC"
                                                             << "gcc";
    }
    void inPlaceEdit()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, key);
        QFETCH(QString, value);
        open();
        if (start == "double click current")
            select(index);
        if (start.startsWith("double click")) {
            // What a mouse sends for a double click.
            QWidget *viewport = list()->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, cell(index, column));
            QTest::mousePress(viewport, Qt::LeftButton, {}, cell(index, column));
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell(index, column));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, cell(index, column));
        } else {
            select(index);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell(index, column));
        }
        QTRY_VERIFY(openEditor());
        QVERIFY(!buttonsEnabled());
        QVERIFY(m_pane->isModified());
        QLineEdit *editor = openEditor();
        editor->selectAll();
        QTest::keyClicks(editor, "typed");

        if (end == "return")
            QTest::keyClick(editor, Qt::Key_Return);
        else if (end == "escape")
            QTest::keyClick(editor, Qt::Key_Escape);
        else if (end == "click elsewhere")
            QTest::mouseClick(m_elsewhere, Qt::LeftButton);
        else
            m_pane->acceptOpenEdit();
        QTRY_VERIFY(!m_pane->renameDelegate()->isEditing());

        // No rename left pending by the first click of a double click opens later.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!m_pane->renameDelegate()->isEditing());
        QCOMPARE(row(index)->text(0), key);
        QCOMPARE(row(index)->text(1), value);
        QCOMPARE(QAIsKeys::keyName(row(index)->element()), key);
        QCOMPARE(QAIsKeys::keyValue(row(index)->element()), value);
        QVERIFY(buttonsEnabled());
        QVERIFY(m_pane->isModified());
        QCOMPARE(orders().first(), orders().last());
    }

    void addKey_data()
    {
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("order");
        const int ok = QMessageBox::Ok;
        QTest::newRow("new name") << QVariantList { "LD" } << QStringList { "text" }
                                  << "ASMEXT SRCEXT CC LD";
        QTest::newRow("existing name asked again, check is case-sensitive")
            << QVariantList { "SRCEXT", ok, "srcext" } << QStringList { "text", "message", "text" }
            << "ASMEXT SRCEXT CC srcext";
        QTest::newRow("cancel") << QVariantList { QString() } << QStringList { "text" }
                                << "ASMEXT SRCEXT CC";
        QTest::newRow("empty name")
            << QVariantList { QString("") } << QStringList { "text" } << "ASMEXT SRCEXT CC";
        QTest::newRow("existing name then cancel")
            << QVariantList { "CC", ok, QString() } << QStringList { "text", "message", "text" }
            << "ASMEXT SRCEXT CC";
    }
    void addKey()
    {
        QFETCH(QVariantList, answers);
        QFETCH(QStringList, asked);
        QFETCH(QString, order);
        open();
        select(1);
        for (const QVariant &answer : answers)
            m_dialogs->answer(answer);
        button("addButton")->click();

        QStringList kinds;
        for (const ScriptedDialogs::Question &question : m_dialogs->questions()) {
            kinds << question.kind;
            if (question.kind == "text") {
                QCOMPARE(question.caption, QStringLiteral("New Key"));
                QCOMPARE(question.text, QStringLiteral("Enter the name of the new key:"));
                QVERIFY(question.startWith.isEmpty());
            } else {
                QCOMPARE(question.icon, QMessageBox::Warning);
                QCOMPARE(question.caption, QStringLiteral("Moravel Editor"));
                QCOMPARE(question.text,
                         QStringLiteral("This key already exists, You must enter another key."));
                QCOMPARE(question.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            }
        }
        QCOMPARE(kinds, asked);
        QCOMPARE(m_dialogs->unansweredCount(), 0);
        QCOMPARE(orders(), twice(order));
        QVERIFY(buttonsEnabled());

        const bool added = list()->topLevelItemCount() == 4;
        QCOMPARE(m_pane->isModified(), added);
        if (!added) {
            QCOMPARE(list()->currentItem(), row(1));
            return;
        }
        QAIsViewerItem *item = row(3);
        QCOMPARE(list()->currentItem(), item);
        QCOMPARE(item->text(1), QStringLiteral("*** empty ***"));
        QCOMPARE(commentTitle(), QStringLiteral("Comment for \"%1\" item:").arg(item->text(0)));
        QVERIFY(commentEdit()->toPlainText().isEmpty());
        QVERIFY(button("removeButton")->isEnabled());
        QVERIFY(item->renameEnabled(0) && item->renameEnabled(1));
    }

    void addWithoutKeyToCopyIsRefused()
    {
        open(QString());
        const QString before = m_document.toString();
        button("addButton")->click();
        QCOMPARE(m_dialogs->questions().size(), 1);
        QCOMPARE(m_dialogs->last().kind, QStringLiteral("message"));
        QCOMPARE(m_dialogs->last().icon, QMessageBox::Warning);
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(m_document.toString(), before);
        QVERIFY(buttonsEnabled());
        QVERIFY(!m_pane->isModified());
    }

    // The copy rules need no widget.
    void newKeyElement_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("added");
        QTest::newRow("from a predefined key")
            << ThreeKeys << "INIFIELD[Doc=ISOTHERS](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
        QTest::newRow("from a user key")
            << "<INIFIELD Doc=\"ISOTHERS\" Extra=\"kept\"><COMMENT>c</COMMENT><KEY>CC</KEY>"
               "<VALUE>gcc</VALUE></INIFIELD>"
               "<SRCEXT Doc=\"SRCEXT\" Label=\"S\"><COMMENT/><VALUE>.c</VALUE></SRCEXT>"
            << "INIFIELD[Doc=ISOTHERS,Extra=kept](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
        QTest::newRow("template with empty children")
            << "<EXEEXT Doc=\"EXEEXT\" Label=\"E\"><COMMENT/><VALUE/></EXEEXT>"
            << "INIFIELD[Doc=ISOTHERS](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
        QTest::newRow("template with a value only")
            << "<OBJEXT Label=\"O\"><VALUE>.o</VALUE></OBJEXT>"
            << "INIFIELD[Doc=ISOTHERS](VALUE=*** empty ***,KEY=NEW)";
        QTest::newRow("container COMMENT after the keys")
            << "<ASMEXT><COMMENT>a</COMMENT><VALUE>.s</VALUE></ASMEXT><COMMENT>late</COMMENT>"
            << "INIFIELD[Doc=ISOTHERS](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
    }
    void newKeyElement()
    {
        QFETCH(QString, keys);
        QFETCH(QString, added);
        QDomDocument document;
        QVERIFY(
            document.setContent("<IS_C><KEYS><COMMENT>node</COMMENT>" + keys + "</KEYS></IS_C>"));
        QDomElement keysElement = QAIsKeys::container(document.documentElement());
        const QStringList before = [&] {
            QStringList described;
            for (const QDomElement &key : QAIsKeys::keys(keysElement))
                described << describe(key);
            return described;
        }();
        const QDomElement key = QAIsKeys::appendKey(keysElement, "NEW", "*** empty ***");
        QCOMPARE(describe(key), added);
        QCOMPARE(keysElement.lastChild(), QDomNode(key));
        QStringList after;
        for (const QDomElement &other : QAIsKeys::keys(keysElement))
            after << describe(other);
        QCOMPARE(after.mid(0, before.size()), before);
        QCOMPARE(QAIsKeys::keyName(key), QStringLiteral("NEW"));
    }

    void moveAndRemove_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("current");
        QTest::newRow("move up on the first row") << 0 << "moveUpButton"
                                                  << "ASMEXT SRCEXT CC"
                                                  << "ASMEXT";
        QTest::newRow("move down on the last row") << 2 << "moveDownButton"
                                                   << "ASMEXT SRCEXT CC"
                                                   << "CC";
        QTest::newRow("move down row 1") << 0 << "moveDownButton"
                                         << "SRCEXT ASMEXT CC"
                                         << "ASMEXT";
        QTest::newRow("move up the last row") << 2 << "moveUpButton"
                                              << "ASMEXT CC SRCEXT"
                                              << "CC";
        QTest::newRow("remove the user key") << 2 << "removeButton"
                                             << "ASMEXT SRCEXT"
                                             << "SRCEXT";
        QTest::newRow("remove is refused on a predefined key") << 1 << "removeButton"
                                                               << "ASMEXT SRCEXT CC"
                                                               << "SRCEXT";
    }
    void moveAndRemove()
    {
        QFETCH(int, index);
        QFETCH(QString, button);
        QFETCH(QString, order);
        QFETCH(QString, current);
        open();
        select(index);
        const bool changes = order != "ASMEXT SRCEXT CC";
        this->button(button.toLatin1())->click();
        QCOMPARE(orders(), twice(order));
        QCOMPARE(list()->currentItem()->text(0), current);
        QCOMPARE(QAIsKeys::keyName(m_pane->currentElement()), current);
        QCOMPARE(m_pane->isModified(), changes);
        // The moved row keeps working: a second step follows the first.
        if (button == "moveDownButton" && changes) {
            this->button("moveDownButton")->click();
            QCOMPARE(orders(), twice("SRCEXT CC ASMEXT"));
        }
    }

    void removingTheLastKeyGivesTheCommentBackToTheNode()
    {
        open("<INIFIELD Doc=\"ISOTHERS\"><COMMENT>cc</COMMENT><KEY>CC</KEY><VALUE>gcc</VALUE>"
             "</INIFIELD>");
        select(0);
        button("removeButton")->click();
        QCOMPARE(orders(), twice(QString()));
        QCOMPARE(m_pane->currentElement(), settings());
        commentEdit()->selectAll();
        QTest::keyClicks(commentEdit(), "kept");
        QCOMPARE(container().firstChildElement("COMMENT").text(), QStringLiteral("kept"));
    }

    void commentLandsOnCurrentElement_data()
    {
        QTest::addColumn<int>("index"); // -1: the node
        QTest::addColumn<bool>("showNodeAfter");
        QTest::addColumn<QString>("nodeComment");
        QTest::addColumn<QString>("keyComment");
        QTest::newRow("key comment") << 2 << false << "node"
                                     << "typed";
        QTest::newRow("node comment after showNode") << 2 << true << "typed"
                                                     << "cc";
        QTest::newRow("node comment before any row") << -1 << false << "typed"
                                                     << "cc";
    }
    void commentLandsOnCurrentElement()
    {
        QFETCH(int, index);
        QFETCH(bool, showNodeAfter);
        QFETCH(QString, nodeComment);
        QFETCH(QString, keyComment);
        open();
        if (index >= 0)
            select(index);
        if (showNodeAfter)
            m_pane->showNode();
        QVERIFY(!m_pane->isModified());
        commentEdit()->selectAll();
        QTest::keyClicks(commentEdit(), "typed");
        QCOMPARE(container().firstChildElement("COMMENT").text(), nodeComment);
        QCOMPARE(row(2)->element().firstChildElement("COMMENT").text(), keyComment);
        QCOMPARE(row(1)->element().firstChildElement("COMMENT").text(), QStringLiteral("src"));
        QCOMPARE(settings().parentNode().firstChildElement("COMMENT").text(),
                 QStringLiteral("group"));
        QVERIFY(m_pane->isModified());
    }
};

QTEST_MAIN(TestIsViewer)
#include "tst_isviewer.moc"

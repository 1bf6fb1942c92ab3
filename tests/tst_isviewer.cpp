#include "dialogs/qazyndocbrowser.h"
#include "document/qarenamedelegate.h"
#include "panes/qaisviewer.h"
#include "panes/qaisvieweritem.h"
#include "panes/qatextedit.h"
#include "support/checked.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTreeWidget>

static const QString ThreeKeys = QStringLiteral(
    "<ASMEXT Doc=\"ASMEXT\" Label=\"Assembler\"><COMMENT>asm</COMMENT><VALUE>.s</VALUE></ASMEXT>"
    "<SRCEXT Doc=\"SRCEXT\" Label=\"Source\"><COMMENT>src</COMMENT><VALUE>.c</VALUE></SRCEXT>"
    "<INIFIELD Doc=\"ISOTHERS\"><COMMENT>cc</COMMENT><KEY>CC</KEY><VALUE>gcc</VALUE></INIFIELD>");

// Dialogs that can act while a question is open, as the event loop of a real one would.
class HookedDialogs : public ScriptedDialogs
{
public:
    // Runs while the question with that index (from 0) is open.
    std::function<void()> whileAsking;
    int atQuestion = 0;

    bool getText(QWidget *parent, const QString &caption, const QString &label,
                 QString *text) override
    {
        runHook();
        return ScriptedDialogs::getText(parent, caption, label, text);
    }
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &caption, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton) override
    {
        runHook();
        return ScriptedDialogs::message(parent, icon, caption, text, buttons, defaultButton,
                                        escapeButton);
    }

private:
    void runHook()
    {
        if (whileAsking && questions().size() == atQuestion)
            std::exchange(whileAsking, nullptr)();
    }
};

// The basic-settings pane: the key list and the key container must tell the same story after
// every operation.
class TestIsViewer : public QObject
{
    Q_OBJECT

private:
    [[nodiscard]] bool open(const QString &keys = ThreeKeys)
    {
        return checked([&] {
            QVERIFY(m_document.setContent("<ZYN><IS Doc=\"ISDOC\"><COMMENT>group</COMMENT><IS_C "
                                          "Label=\"C Language\"><KEYS><COMMENT>node</COMMENT>"
                                          + keys + "</KEYS></IS_C></IS></ZYN>"));
            m_window = std::make_unique<QWidget>();
            auto *layout = new QVBoxLayout(m_window.get());
            m_doc = new QAZynDocBrowser(m_window.get());
            QString page;
            for (const char *anchor : { "ISDOC", "ASMEXT", "SRCEXT", "ISOTHERS" })
                page += QStringLiteral("<p><a name=\"%1\">%1</a></p>").arg(anchor)
                    + QStringLiteral("<p>text</p>").repeated(40);
            m_doc->setHtml(page);
            m_doc->setFixedHeight(80);
            layout->addWidget(m_doc);
            m_pane = new QAIsViewer(container().parentNode().toElement(), m_window.get(), m_doc);
            layout->addWidget(m_pane);
            m_elsewhere = new QLineEdit(m_window.get());
            layout->addWidget(m_elsewhere);
            m_window->resize(500, 600);
            m_window->show();
            QApplication::setActiveWindow(m_window.get());
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            m_pane->showNode();
        });
    }

    QDomElement container() const
    {
        return m_document.documentElement()
            .firstChild()
            .firstChildElement("IS_C")
            .firstChildElement();
    }
    QTreeWidget *list() const { return m_pane->keyList(); }
    QAIsViewerItem *row(int index) const
    {
        return dynamic_cast<QAIsViewerItem *>(list()->topLevelItem(index));
    }
    QDomElement keyElement(int index) const { return row(index)->element(); }
    QPushButton *button(const QString &name) const
    {
        return m_pane->findChild<QPushButton *>(name);
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
    static QStringList twice(const QString &order) { return { order, order }; }

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
    void typeComment(const QString &text)
    {
        commentEdit()->selectAll();
        QTest::keyClicks(commentEdit(), text);
    }

    QDomDocument m_document;
    std::unique_ptr<HookedDialogs> m_dialogs;
    std::unique_ptr<QWidget> m_window;
    QAIsViewer *m_pane = nullptr;
    QAZynDocBrowser *m_doc = nullptr;
    QLineEdit *m_elsewhere = nullptr;

private Q_SLOTS:
    // Keeps the waits for a second click short.
    void initTestCase() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(150); }
    void init() { m_dialogs = std::make_unique<HookedDialogs>(); }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
    }

    void showsKeysInDocumentOrder_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("rows");
        // clang-format off
        QTest::newRow("predefined keys and a user key")
            << ThreeKeys << QStringList { "ASMEXT=.s", "SRCEXT=.c", "CC=gcc" };
        QTest::newRow("empty KEY and VALUE")
            << "<INIFIELD><KEY/><VALUE/></INIFIELD>" << QStringList { "=" };
        QTest::newRow("other tag shows the tag")
            << "<TOOL><VALUE>x</VALUE></TOOL>" << QStringList { "TOOL=x" };
        QTest::newRow("a second COMMENT is no key")
            << "<COMMENT>again</COMMENT><SRCEXT/>" << QStringList { "SRCEXT=" };
        // clang-format on
    }
    void showsKeysInDocumentOrder()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, rows);
        QVERIFY(open(keys));
        QStringList shown;
        for (int index = 0; index < list()->topLevelItemCount(); ++index)
            shown << row(index)->text(0) + '=' + row(index)->text(1);
        QCOMPARE(shown, rows);
        QCOMPARE(commentEdit()->toPlainText(), QStringLiteral("node"));
        QVERIFY(!m_pane->isModified());
    }

    // Comment box, Remove and documentation follow the current row, and showNode brings them back
    // to the node.
    void currentRowDrivesThePane_data()
    {
        QTest::addColumn<int>("index"); // -1: showNode after a row
        QTest::addColumn<bool>("removeEnabled");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("anchor");
        // clang-format off
        QTest::newRow("predefined key")
            << 1 << false << "Comment for \"SRCEXT\" item:" << "src" << "SRCEXT";
        QTest::newRow("user key") << 2 << true << "Comment for \"CC\" item:" << "cc" << "ISOTHERS";
        QTest::newRow("node")
            << -1 << true << "Comment for \"C Language\" node:" << "node" << "ISDOC";
        // clang-format on
    }
    void currentRowDrivesThePane()
    {
        QFETCH(int, index);
        QFETCH(bool, removeEnabled);
        QFETCH(QString, title);
        QFETCH(QString, comment);
        QFETCH(QString, anchor);
        QVERIFY(open());
        m_doc->scrollToAnchor(anchor);
        const int expectedScroll = m_doc->verticalScrollBar()->value();
        // Coming from the other kind of row proves the state is set both ways.
        select(index == 2 ? 1 : 2);
        if (index >= 0)
            select(index);
        else
            m_pane->showNode();
        QCOMPARE(button("removeButton")->isEnabled(), removeEnabled);
        QVERIFY(buttonsEnabled());
        QCOMPARE(commentTitle(), title);
        QCOMPARE(commentEdit()->toPlainText(), comment);
        QCOMPARE(m_doc->verticalScrollBar()->value(), expectedScroll);
        QVERIFY(!m_pane->isModified());
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
        QVERIFY(open(ThreeKeys + "<TOOL><COMMENT/><VALUE>x</VALUE></TOOL>"));
        if (makeCurrent)
            select(index);
        // The request the view makes once a click on the current row is not a double click.
        list()->edit(list()->model()->index(index, column));
        QCOMPARE(m_pane->renameDelegate()->isEditing(), opens);
        QCOMPARE(buttonsEnabled(), !opens);
        QCOMPARE(button("removeButton")->isEnabled(), index != 1 && !opens);
        QCOMPARE(m_pane->isModified(), opens);
        QCOMPARE(row(index)->renameColumn(), opens ? column : 0);
        // What the editor area does before a save, with or without an open edit.
        m_pane->acceptOpenEdit();
        QVERIFY(!m_pane->renameDelegate()->isEditing());
        QVERIFY(buttonsEnabled());
        QCOMPARE(orders().last(), QStringLiteral("ASMEXT SRCEXT CC TOOL"));
    }

    void inPlaceEdit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("value confirmed with Return")
            << 2 << 1 << "double click" << "return" << "CC" << "typed";
        QTest::newRow("value dropped with Escape")
            << 2 << 1 << "double click" << "escape" << "CC" << "gcc";
        QTest::newRow("predefined value by double click on its key")
            << 1 << 0 << "double click" << "return" << "SRCEXT" << "typed";
        QTest::newRow("value committed by clicking elsewhere")
            << 0 << 1 << "double click" << "click elsewhere" << "ASMEXT" << "typed";
        QTest::newRow("value committed before a save")
            << 0 << 1 << "double click" << "accept" << "ASMEXT" << "typed";
        QTest::newRow("double click on the current row edits the value")
            << 2 << 0 << "double click current" << "return" << "CC" << "typed";
        QTest::newRow("user key renamed on click of the current row")
            << 2 << 0 << "click current" << "return" << "typed" << "gcc";
        QTest::newRow("user key rename dropped with Escape")
            << 2 << 0 << "click current" << "escape" << "CC" << "gcc";
        // clang-format on
    }
    void inPlaceEdit()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QVERIFY(open());
        QWidget *viewport = list()->viewport();
        if (start.endsWith("current"))
            select(index);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cell(index, column));
        if (start.startsWith("double click")) {
            // The rest of what a mouse sends for a double click.
            QTest::mousePress(viewport, Qt::LeftButton, {}, cell(index, column));
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, cell(index, column));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, cell(index, column));
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
        // No rename left waiting by the first click of a double click opens later.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!m_pane->renameDelegate()->isEditing());

        QCOMPARE(row(index)->text(0) + '=' + row(index)->text(1), key + '=' + value);
        QCOMPARE(QAIsKeys::keyName(keyElement(index)) + '=' + QAIsKeys::keyValue(keyElement(index)),
                 key + '=' + value);
        QVERIFY(buttonsEnabled());
        QVERIFY(m_pane->isModified());
        QCOMPARE(orders().first(), orders().last());
    }

    void addKey_data()
    {
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<QList<DialogKind>>("asked");
        QTest::addColumn<QString>("order");
        const int ok = QMessageBox::Ok;
        const QList<DialogKind> name { DialogKind::Text };
        const QList<DialogKind> nameTwice { DialogKind::Text, DialogKind::Message,
                                            DialogKind::Text };
        // clang-format off
        QTest::newRow("new name")
            << QVariantList { "LD" } << name << "ASMEXT SRCEXT CC LD";
        QTest::newRow("existing name asked again, check is case-sensitive")
            << QVariantList { "SRCEXT", ok, "srcext" } << nameTwice
            << "ASMEXT SRCEXT CC srcext";
        QTest::newRow("cancel")
            << QVariantList { QString() } << name << "ASMEXT SRCEXT CC";
        QTest::newRow("empty name")
            << QVariantList { QString("") } << name << "ASMEXT SRCEXT CC";
        QTest::newRow("existing name then cancel")
            << QVariantList { "CC", ok, QString() } << nameTwice
            << "ASMEXT SRCEXT CC";
        // clang-format on
    }
    void addKey()
    {
        QFETCH(QVariantList, answers);
        QFETCH(QList<DialogKind>, asked);
        QFETCH(QString, order);
        QVERIFY(open());
        select(1);
        for (const QVariant &answer : answers)
            m_dialogs->answer(answer);
        button("addButton")->click();

        QList<DialogKind> kinds;
        for (const ScriptedDialogs::Question &question : m_dialogs->questions()) {
            kinds << question.kind;
            if (question.kind == DialogKind::Text) {
                QCOMPARE(question.caption + '|' + question.text + '|' + question.startWith,
                         QStringLiteral("New Key|Enter the name of the new key:|"));
            } else {
                QCOMPARE(question.caption + '|' + question.text,
                         QStringLiteral("Moravel Editor|This key already exists, You must enter "
                                        "another key."));
                QCOMPARE(question.icon, QMessageBox::Warning);
                QCOMPARE(question.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            }
        }
        QCOMPARE(kinds, asked);
        QCOMPARE(orders(), twice(order));
        QVERIFY(buttonsEnabled());
        const bool added = list()->topLevelItemCount() == 4;
        QCOMPARE(m_pane->isModified(), added);
        QCOMPARE(list()->currentItem(), row(added ? 3 : 1));
        if (added) {
            QCOMPARE(row(3)->text(1), QStringLiteral("*** empty ***"));
            QCOMPARE(commentTitle(),
                     QStringLiteral("Comment for \"%1\" item:").arg(row(3)->text(0)));
            QVERIFY(commentEdit()->toPlainText().isEmpty());
            QVERIFY(button("removeButton")->isEnabled());
            QVERIFY(row(3)->renameEnabled(0) && row(3)->renameEnabled(1));
        }
    }

    // A binary file added meanwhile selects its node, which replaces the pane.
    void addDroppedWhenPaneGoesWhileAsking_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<int>("atQuestion");
        const int ok = QMessageBox::Ok;
        QTest::newRow("while the name is asked") << ThreeKeys << QVariantList { "LD" } << 0;
        QTest::newRow("while a duplicate is refused")
            << ThreeKeys << QVariantList { "CC", ok, "LD" } << 1;
        QTest::newRow("while the name is asked again")
            << ThreeKeys << QVariantList { "CC", ok, "LD" } << 2;
        QTest::newRow("while the add is refused") << QString() << QVariantList { ok } << 0;
    }
    // A binary file added meanwhile selects its node, which replaces the pane.
    void addDroppedWhenPaneGoesWhileAsking()
    {
        QFETCH(QString, keys);
        QFETCH(QVariantList, answers);
        QFETCH(int, atQuestion);
        QVERIFY(open(keys));
        const QString before = m_document.toString();
        for (const QVariant &answer : answers)
            m_dialogs->answer(answer);
        QPointer<QAIsViewer> pane = m_pane;
        m_dialogs->atQuestion = atQuestion;
        m_dialogs->whileAsking = [pane] {
            delete pane;
        };
        button("addButton")->click();
        QVERIFY(pane.isNull());
        QCOMPARE(m_document.toString(), before);
    }

    void addWithoutKeyToCopyIsRefused()
    {
        QVERIFY(open(QString()));
        const QString before = m_document.toString();
        button("addButton")->click();
        QCOMPARE(m_dialogs->questions().size(), 1);
        QCOMPARE(m_dialogs->last().icon, QMessageBox::Warning);
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(m_document.toString(), before);
        QVERIFY(buttonsEnabled());
        QVERIFY(!m_pane->isModified());
    }

    // The copy rules, without a widget.
    void newKeyElement_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("added");
        const QString userKey = "INIFIELD[Doc=ISOTHERS](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
        // clang-format off
        QTest::newRow("from a predefined key") << ThreeKeys << userKey;
        QTest::newRow("from a user key")
            << "<INIFIELD Doc=\"ISOTHERS\" Extra=\"kept\"><COMMENT>c</COMMENT><KEY>CC</KEY>"
               "<VALUE>gcc</VALUE></INIFIELD><SRCEXT/>"
            << "INIFIELD[Doc=ISOTHERS,Extra=kept](COMMENT=,KEY=NEW,VALUE=*** empty ***)";
        QTest::newRow("template with empty children")
            << "<EXEEXT Doc=\"EXEEXT\" Label=\"E\"><COMMENT/><VALUE/></EXEEXT>" << userKey;
        QTest::newRow("template with a value only")
            << "<OBJEXT Label=\"O\"><VALUE>.o</VALUE></OBJEXT>"
            << "INIFIELD[Doc=ISOTHERS](VALUE=*** empty ***,KEY=NEW)";
        QTest::newRow("container COMMENT after the keys")
            << "<ASMEXT><COMMENT>a</COMMENT><VALUE>.s</VALUE></ASMEXT><COMMENT>late</COMMENT>"
            << userKey;
        // clang-format on
    }
    void newKeyElement()
    {
        QFETCH(QString, keys);
        QFETCH(QString, added);
        QDomDocument document;
        QVERIFY(document.setContent("<IS_C><KEYS><COMMENT/>" + keys + "</KEYS></IS_C>"));
        QDomElement keysElement = QAIsKeys::container(document.documentElement());
        const QString before = document.toString();
        const QDomElement key = QAIsKeys::makeKey(keysElement, "NEW", "*** empty ***");
        // Made aside: the door puts it in, as a step of the history.
        QVERIFY(key.parentNode().isNull());
        QCOMPARE(document.toString(), before);
        // Tag, sorted attributes, children with their texts.
        QStringList attributes;
        for (int index = 0; index < key.attributes().count(); ++index)
            attributes << key.attributes().item(index).nodeName() + '='
                    + key.attributes().item(index).nodeValue();
        attributes.sort();
        QStringList children;
        for (QDomElement child = key.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            children << child.tagName() + '=' + child.text();
        QCOMPARE(key.tagName() + '[' + attributes.join(',') + "](" + children.join(',') + ')',
                 added);
    }

    void moveAndRemove_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("current");
        // clang-format off
        QTest::newRow("move up on the first row")
            << 0 << "moveUpButton" << "ASMEXT SRCEXT CC" << "ASMEXT";
        QTest::newRow("move down on the last row")
            << 2 << "moveDownButton" << "ASMEXT SRCEXT CC" << "CC";
        QTest::newRow("move down row 1") << 0 << "moveDownButton" << "SRCEXT ASMEXT CC" << "ASMEXT";
        QTest::newRow("move up the last row") << 2 << "moveUpButton" << "ASMEXT CC SRCEXT" << "CC";
        QTest::newRow("remove the user key") << 2 << "removeButton" << "ASMEXT SRCEXT" << "SRCEXT";
        QTest::newRow("remove is refused on a predefined key")
            << 1 << "removeButton" << "ASMEXT SRCEXT CC" << "SRCEXT";
        // clang-format on
    }
    void moveAndRemove()
    {
        QFETCH(int, index);
        QFETCH(QString, button);
        QFETCH(QString, order);
        QFETCH(QString, current);
        QVERIFY(open());
        select(index);
        this->button(button)->click();
        QCOMPARE(orders(), twice(order));
        QCOMPARE(list()->currentItem()->text(0), current);
        QCOMPARE(QAIsKeys::keyName(m_pane->currentElement()), current);
        QCOMPARE(m_pane->isModified(), order != "ASMEXT SRCEXT CC");
    }

    void commentLandsOnCurrentElement_data()
    {
        QTest::addColumn<int>("index"); // -1: no row made current
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
        QVERIFY(open());
        if (index >= 0)
            select(index);
        if (showNodeAfter)
            m_pane->showNode();
        QVERIFY(!m_pane->isModified());
        typeComment("typed");
        QCOMPARE(container().firstChildElement("COMMENT").text(), nodeComment);
        QCOMPARE(keyElement(2).firstChildElement("COMMENT").text(), keyComment);
        QCOMPARE(keyElement(1).firstChildElement("COMMENT").text(), QStringLiteral("src"));
        QCOMPARE(m_document.documentElement().firstChild().firstChild().toElement().text(),
                 QStringLiteral("group"));
        QVERIFY(m_pane->isModified());
    }

    void removingTheLastKeyGivesTheCommentBackToTheNode()
    {
        QVERIFY(open("<INIFIELD><COMMENT>cc</COMMENT><KEY>CC</KEY><VALUE>gcc</VALUE></INIFIELD>"));
        select(0);
        button("removeButton")->click();
        QCOMPARE(orders(), twice(QString()));
        typeComment("kept");
        QCOMPARE(container().firstChildElement("COMMENT").text(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(TestIsViewer)
#include "tst_isviewer.moc"

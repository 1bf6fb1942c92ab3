#include "document/domtext.h"
#include "panefixtures.h"
#include "panes/qabinarymacro.h"
#include "panes/qaoptionnalmacro.h"
#include "panes/qatextmacro.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

// The macro widgets: what they show, what they write, and which macro they report.
class TestMacros : public QObject
{
    Q_OBJECT

private:
    // One macro widget of the kind that the macro's tag calls for.
    static QWidget *createMacro(QWidget *parent, const QDomElement &macro)
    {
        if (macro.tagName() == QLatin1String("TEXT_MACRO"))
            return new QATextMacro(parent, macro);
        if (macro.tagName() == QLatin1String("BINARY_MACRO"))
            return new QABinaryMacro(parent, macro);
        return new QAOptionnalMacro(parent, macro);
    }

    // Records the elements a macro widget reports, whatever its kind.
    static void recordPresses(QWidget *widget, QList<QDomElement> *pressed)
    {
        const auto record = [pressed](QDomElement &element) {
            pressed->append(element);
        };
        if (auto *text = qobject_cast<QATextMacro *>(widget))
            connect(text, &QATextMacro::isPressed, widget, record);
        else if (auto *binary = qobject_cast<QABinaryMacro *>(widget))
            connect(binary, &QABinaryMacro::isPressed, widget, record);
        else if (auto *optional = qobject_cast<QAOptionnalMacro *>(widget))
            connect(optional, &QAOptionnalMacro::isPressed, widget, record);
    }

    static QString read(const QDomElement &macro, const QString &where)
    {
        if (where.startsWith(QLatin1Char('@')))
            return macro.attribute(where.mid(1));
        return childText(where, macro, 1);
    }

private Q_SLOTS:
    void showsInitialState_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("checked"); // -1: the kind has no check box
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fieldEnabled");

        QTest::newRow("text macro shows VALUE")
            << "<TEXT_MACRO Name='ZYN_INT' Doc='d'><COMMENT>c</COMMENT><VALUE>int</VALUE>"
               "</TEXT_MACRO>"
            << "ZYN_INT" << -1 << "int" << true;
        QTest::newRow("text macro with an empty VALUE shows nothing")
            << "<TEXT_MACRO Name='M'><COMMENT>c</COMMENT><VALUE/></TEXT_MACRO>"
            << "M" << -1 << "" << true;
        QTest::newRow("text macro without COMMENT shows the VALUE that typing replaces")
            << "<TEXT_MACRO Name='M'><VALUE>long</VALUE></TEXT_MACRO>"
            << "M" << -1 << "long" << true;
        QTest::newRow("binary Value 1 is checked")
            << "<BINARY_MACRO Name='B' Value='1'><COMMENT/></BINARY_MACRO>"
            << "B" << 1 << "" << true;
        QTest::newRow("binary Value 0 is unchecked")
            << "<BINARY_MACRO Name='B' Value='0'><COMMENT/></BINARY_MACRO>"
            << "B" << 0 << "" << true;
        QTest::newRow("binary Value of another text is unchecked")
            << "<BINARY_MACRO Name='B' Value='yes'><COMMENT/></BINARY_MACRO>"
            << "B" << 0 << "" << true;
        QTest::newRow("binary without Value is unchecked")
            << "<BINARY_MACRO Name='B'><COMMENT/></BINARY_MACRO>"
            << "B" << 0 << "" << true;
        QTest::newRow("binary name with an ampersand shows as written")
            << "<BINARY_MACRO Name='A&amp;B' Value='1'><COMMENT/></BINARY_MACRO>"
            << "A&&B" << 1 << "" << true;
        QTest::newRow("optional Defined 1 is checked with an enabled field")
            << "<OPTIONAL_MACRO Name='O' Defined='1' Value='return 0;'><COMMENT/></OPTIONAL_MACRO>"
            << "O" << 1 << "return 0;" << true;
        QTest::newRow("optional Defined 0 is unchecked with a disabled field")
            << "<OPTIONAL_MACRO Name='O' Defined='0' Value='v'><COMMENT/></OPTIONAL_MACRO>"
            << "O" << 0 << "v" << false;
        QTest::newRow("optional without Defined is unchecked with an enabled field")
            << "<OPTIONAL_MACRO Name='O' Value='v'><COMMENT/></OPTIONAL_MACRO>"
            << "O" << 0 << "v" << true;
        QTest::newRow("optional Defined of another text is unchecked with an enabled field")
            << "<OPTIONAL_MACRO Name='O' Defined='yes'><COMMENT/></OPTIONAL_MACRO>"
            << "O" << 0 << "" << true;
    }
    void showsInitialState()
    {
        QFETCH(QString, xml);
        QFETCH(QString, label);
        QFETCH(int, checked);
        QFETCH(QString, text);
        QFETCH(bool, fieldEnabled);

        QDomDocument document;
        const QDomElement macro = parseFixture(document, xml);
        const QString before = document.toString();
        QWidget parent;
        QWidget *widget = createMacro(&parent, macro);

        auto *box = widget->findChild<QCheckBox *>();
        auto *field = widget->findChild<QLineEdit *>();
        QCOMPARE(box != nullptr, checked >= 0);
        if (box) {
            QCOMPARE(box->text(), label);
            QCOMPARE(box->isChecked(), checked == 1);
        } else {
            QCOMPARE(widget->findChild<QLabel *>()->text(), label);
        }
        if (field) {
            QCOMPARE(field->text(), text);
            QCOMPARE(field->isEnabled(), fieldEnabled);
        }
        QCOMPARE(document.toString(), before);
    }

    void typingWritesEveryKeystroke_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("untouched"); // an attribute that must stay absent

        QTest::newRow("text macro rewrites VALUE")
            << "<TEXT_MACRO Name='M'><COMMENT>c</COMMENT><VALUE>x</VALUE></TEXT_MACRO>"
            << "VALUE" << QStringList { "xa", "xab", "xabc" } << "Value";
        QTest::newRow("text macro fills an empty VALUE")
            << "<TEXT_MACRO Name='M'><COMMENT>c</COMMENT><VALUE/></TEXT_MACRO>"
            << "VALUE" << QStringList { "a", "ab", "abc" } << "Value";
        QTest::newRow("optional macro writes Value and leaves Defined absent")
            << "<OPTIONAL_MACRO Name='O' Value='x'><COMMENT>c</COMMENT></OPTIONAL_MACRO>"
            << "@Value" << QStringList { "xa", "xab", "xabc" } << "Defined";
    }
    void typingWritesEveryKeystroke()
    {
        QFETCH(QString, xml);
        QFETCH(QString, where);
        QFETCH(QStringList, writes);
        QFETCH(QString, untouched);

        QDomDocument document;
        const QDomElement macro = parseFixture(document, xml);
        QWidget parent;
        QWidget *widget = createMacro(&parent, macro);
        QStringList seen;
        const auto snapshot = [&] {
            seen << read(macro, where);
        };
        if (auto *text = qobject_cast<QATextMacro *>(widget))
            connect(text, &QATextMacro::itemModified, this, snapshot);
        else
            connect(qobject_cast<QAOptionnalMacro *>(widget), &QAOptionnalMacro::itemModified, this,
                    snapshot);

        QTest::keyClicks(widget->findChild<QLineEdit *>(), QStringLiteral("abc"));

        QCOMPARE(seen, writes);
        QVERIFY(!macro.hasAttribute(untouched));
        QCOMPARE(childText(QStringLiteral("COMMENT"), macro, 1), QStringLiteral("c"));
    }

    void togglesWriteOneOrZero_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("keptValue"); // null: Value is the toggled attribute

        QTest::newRow("binary off to on and back")
            << "<BINARY_MACRO Name='B' Value='0'/>"
            << "Value" << QStringList { "1", "0" } << QString();
        QTest::newRow("binary of another text toggles on to 1")
            << "<BINARY_MACRO Name='B' Value='true'/>"
            << "Value" << QStringList { "1", "0" } << QString();
        QTest::newRow("optional on to off keeps Value")
            << "<OPTIONAL_MACRO Name='O' Defined='1' Value='v'/>"
            << "Defined" << QStringList { "0", "1" } << "v";
        QTest::newRow("optional without Defined toggles on to 1")
            << "<OPTIONAL_MACRO Name='O' Value='v'/>"
            << "Defined" << QStringList { "1", "0" } << "v";
    }
    void togglesWriteOneOrZero()
    {
        QFETCH(QString, xml);
        QFETCH(QString, attribute);
        QFETCH(QStringList, writes);
        QFETCH(QString, keptValue);

        QDomDocument document;
        QDomElement macro = parseFixture(document, xml);
        QWidget parent;
        QWidget *widget = createMacro(&parent, macro);
        QStringList events;
        const auto record = [&](QDomElement &element) {
            events << (element == macro ? QStringLiteral("pressed") : QStringLiteral("other"));
        };
        const auto modified = [&] {
            events << macro.attribute(attribute);
        };
        if (auto *binary = qobject_cast<QABinaryMacro *>(widget)) {
            connect(binary, &QABinaryMacro::isPressed, this, record);
            connect(binary, &QABinaryMacro::itemModified, this, modified);
        } else {
            auto *optional = qobject_cast<QAOptionnalMacro *>(widget);
            connect(optional, &QAOptionnalMacro::isPressed, this, record);
            connect(optional, &QAOptionnalMacro::itemModified, this, modified);
        }
        auto *box = widget->findChild<QCheckBox *>();
        auto *field = widget->findChild<QLineEdit *>();

        for (const QString &expected : writes) {
            events.clear();
            box->click();
            // The macro is reported before the write lands.
            QCOMPARE(events, QStringList({ "pressed", expected }));
            if (field)
                QCOMPARE(field->isEnabled(), expected == QLatin1String("1"));
            if (!keptValue.isNull())
                QCOMPARE(macro.attribute(QStringLiteral("Value")), keptValue);
        }
    }

    void focusReportsTheMacro_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("byClick");

        const QString text
            = "<TEXT_MACRO Name='T2' Doc='t2'><COMMENT/><VALUE>v</VALUE></TEXT_MACRO>";
        const QString binary
            = "<BINARY_MACRO Name='B2' Doc='b2' Value='0'><COMMENT/></BINARY_MACRO>";
        const QString optional = "<OPTIONAL_MACRO Name='O2' Doc='o2' Defined='1' "
                                 "Value='v'><COMMENT/></OPTIONAL_MACRO>";
        QTest::newRow("Tab into a text macro") << text << false;
        QTest::newRow("Tab into a binary macro") << binary << false;
        QTest::newRow("Tab into an optional macro") << optional << false;
        QTest::newRow("click into a text macro's field") << text << true;
        QTest::newRow("click into an optional macro's field") << optional << true;
    }
    void focusReportsTheMacro()
    {
        QFETCH(QString, second);
        QFETCH(bool, byClick);

        QDomDocument document;
        const QDomElement wrapper = parseFixture(
            document,
            "<ITEMS><TEXT_MACRO Name='T1' Doc='t1'><COMMENT/><VALUE>a</VALUE></TEXT_MACRO>" + second
                + "</ITEMS>");
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QWidget *first = createMacro(&window, wrapper.firstChildElement());
        QWidget *next = createMacro(&window, wrapper.lastChildElement());
        layout->addWidget(first);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->findChild<QLineEdit *>()->setFocus();

        QList<QDomElement> firstPressed, nextPressed;
        recordPresses(first, &firstPressed);
        recordPresses(next, &nextPressed);
        if (byClick)
            QTest::mouseClick(next->findChild<QLineEdit *>(), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

        QVERIFY(firstPressed.isEmpty());
        QCOMPARE(nextPressed.size(), 1);
        QVERIFY(nextPressed.first() == wrapper.lastChildElement());
    }

    void clickOutsideTheFieldReportsTheTextMacro()
    {
        QDomDocument document;
        const QDomElement macro = parseFixture(
            document, "<TEXT_MACRO Name='T' Doc='t'><COMMENT/><VALUE>v</VALUE></TEXT_MACRO>");
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QWidget *widget = createMacro(&window, macro);
        layout->addWidget(widget);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QDomElement> pressed;
        recordPresses(widget, &pressed);

        QTest::mouseClick(widget->findChild<QLabel *>(), Qt::LeftButton);

        QCOMPARE(pressed.size(), 1);
        QVERIFY(pressed.first() == macro);
    }
};

QTEST_MAIN(TestMacros)
#include "tst_macros.moc"

#include "document/domtext.h"
#include "document/qasizehintdelegate.h"
#include "document/qazynwriter.h"
#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QPixmap>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTreeView>
#include <QXmlStreamReader>

// The short cuts taken for large documents give the results of the long way.
// Attribute orders noted while loading: every element must be written back with its attributes in
// the order it was read, whatever the line breaks, characters and markup around it (the loader
// finds the positions with a quick pass of its own, not with the XML reader).
class TestFastPaths : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;

    QString write(const QByteArray &content)
    {
        const QString path = m_env->scratch() + QStringLiteral("/doc.xdp");
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        return path;
    }

    // Attribute names of every start tag, in document order, as the XML reader sees them.
    static QList<QStringList> readOrders(const QByteArray &content)
    {
        QList<QStringList> orders;
        QXmlStreamReader reader(content);
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            QStringList names;
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                names.append(attribute.qualifiedName().toString());
            orders.append(names);
        }
        return orders;
    }

    // The order the writer gives each element's attributes, in document order.
    static void writtenOrders(const QAZynWriter &writer, const QDomElement &element,
                              QList<QStringList> &orders)
    {
        orders.append(writer.orderedAttributeNames(element));
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            writtenOrders(writer, child, orders);
    }

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void keepsTheOrderRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray zyn = "<ZYN Name=\"n\" type=\"CCPP\" Version=\"V2009\">";
        QTest::newRow("one line") << zyn + "<A Z=\"1\" B=\"2\"/><C Y=\"\" X=\"\"></C></ZYN>";
        QTest::newRow("LF line breaks")
            << zyn + "\n<A Z=\"1\" B=\"2\"/>\n\n<C Y=\"\" X=\"\"/>\n</ZYN>";
        QTest::newRow("CRLF line breaks")
            << zyn + "\r\n<A Z=\"1\" B=\"2\"/>\r\n\r\n<C Y=\"\" X=\"\"/>\r\n</ZYN>";
        QTest::newRow("lone CR line breaks")
            << zyn + "\r<A Z=\"1\" B=\"2\"/>\r\r<C Y=\"\" X=\"\"/>\r</ZYN>";
        QTest::newRow("mixed line breaks")
            << zyn + "\r\n<A Z=\"1\" B=\"2\"/>\r\n\r<C Y=\"\" X=\"\"/>\n\r\n</ZYN>";
        QTest::newRow("line breaks inside tags and values")
            << zyn + "<A\nZ=\"1\r\n2\"\r\tB\n=\n'2'\n/><C Y=\"a\rb\" X=\"\"\n></C></ZYN>";
        QTest::newRow("characters of two, three and four bytes before a tag") << zyn
                + "<V>\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80</V><A Z=\"\xf0\x9f\x98\x80\" "
                  "B=\"\xc3\xa9\"/>"
                  "\xf0\x9f\x98\x80<C Y=\"1\" X=\"2\"/></ZYN>";
        QTest::newRow("non-ASCII attribute names")
            << zyn + "<A \xc3\xa9=\"1\" e=\"2\"/><C f=\"1\" \xc3\xa9=\"2\"/></ZYN>";
        QTest::newRow("markup-like text in CDATA, comments and instructions") << zyn
                + "<V><![CDATA[<A Q=\"1\" P=\"2\"> ]] > ]]]]></V><!-- <B Q=\"1\" P=\"2\"> -\n- -->"
                  "<?pi <C Q=\"1\" P=\"2\">\r\n?><A Z=\"1\" B=\"2\"/></ZYN>";
        QTest::newRow("'>' and the other quote inside values")
            << zyn + "<A Z=\"a>b'c\" B='d>e\"f'/><C Y=\"/>\" X=\"\"/></ZYN>";
        QTest::newRow("declaration, document type and byte-order mark")
            << "\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n"
                + zyn + "<A Z=\"1\" B=\"2\"/></ZYN>";
        QTest::newRow("leading blank lines") << "\n\r\n  " + zyn + "\n<A Z=\"1\" B=\"2\"/></ZYN>";
        static const char16_t utf16[] = u"<ZYN b=\"1\" a=\"2\">\n<A Z=\"1\" B=\"2\"/></ZYN>";
        QTest::newRow("UTF-16 without byte-order mark")
            << QByteArray(reinterpret_cast<const char *>(utf16), sizeof(utf16) - sizeof(char16_t));
        QTest::newRow("declared Latin-1") << QByteArray(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<ZYN b=\"\xe9\" a=\"1\">"
            "<A Z=\"\xe9\" B=\"2\"/>\xe9\xe9<C Y=\"1\" X=\"2\"/></ZYN>");
        QTest::newRow("internal subset with markup in an entity")
            << QByteArray("<!DOCTYPE ZYN [<!ENTITY e \"<B Q='1' P='2'/>\">]>") + zyn
                + "&e;<A Z=\"1\" B=\"2\"/>&e;</ZYN>";
        QTest::newRow("sorted, single and no attributes")
            << zyn + "<A B=\"1\" Z=\"2\"/><C X=\"1\"/><D/><E a=\"1\" b=\"2\" c=\"3\"/></ZYN>";
        QTest::newRow("the C template") << [] {
            QFile file(TestEnvironment::stagedTree() + "/targets/xml/templatec.xdp");
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
    }
    void keepsTheOrderRead()
    {
        QFETCH(QByteArray, content);
        QDomDocument document;
        QAAttributeOrder order;
        QString error;
        const QDomElement root
            = QAXmlEditor::readRootElement(write(content), document, &error, &order);
        QVERIFY2(!root.isNull(), qPrintable(error));
        const QAZynWriter writer(&order);
        QList<QStringList> written;
        writtenOrders(writer, root, written);
        QCOMPARE(written, readOrders(content));
    }

    void reportsTooDeepNestingWhereItStarts()
    {
        const QByteArray content
            = "<a>\n" + QByteArray("<a>").repeated(QAXmlEditor::MaximumNesting);
        QDomDocument document;
        QString error;
        QVERIFY(QAXmlEditor::readRootElement(write(content), document, &error).isNull());
        QVERIFY2(error.endsWith(QStringLiteral(":2:3000: elements nested deeper than 1000 levels")),
                 qPrintable(error));
    }

    // A code fragment typed into a CDATA section stays CDATA unless it holds "]]>" anywhere.
    void cdataKeepsOnlyWhatItCanHold_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("staysCdata");
        QTest::newRow("no bracket") << "int a = b > c;" << true;
        QTest::newRow("brackets apart") << "a[i] > b[j]] >" << true;
        QTest::newRow("two brackets at the end") << "x = a[b[0]]" << true;
        QTest::newRow("end marker inside") << "if (a[b[0]]>1) {}" << false;
        QTest::newRow("end marker at the start") << "]]> x" << false;
        QTest::newRow("end marker at the end") << "x ]]>" << false;
        QTest::newRow("end marker after a third bracket") << "a]]]>" << false;
    }
    void cdataKeepsOnlyWhatItCanHold()
    {
        QFETCH(QString, value);
        QFETCH(bool, staysCdata);
        QDomDocument document;
        QVERIFY(document.setContent(QByteArray("<E><VALUE><![CDATA[old]]></VALUE></E>")));
        const QDomElement element = document.documentElement();
        setChildText(value, QStringLiteral("VALUE"), element);
        QCOMPARE(element.firstChildElement().firstChild().isCDATASection(), staysCdata);
        QCOMPARE(childText(QStringLiteral("VALUE"), element), value);
    }

    // Item sizes: the remembered answer is the delegate's own, for every look and after every
    // change of the item.
    void sizeHintsAreTheDelegates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("icon");
        QTest::addColumn<int>("check");

        QTest::newRow("plain") << "Compilation" << 0 << false << QColor() << -1;
        QTest::newRow("empty") << "" << 0 << false << QColor() << -1;
        QTest::newRow("long") << QString(300, u'W') << 0 << false << QColor() << -1;
        QTest::newRow("two lines") << "zyn\ngdb.cmd" << 0 << false << QColor() << -1;
        QTest::newRow("bold") << "Compilation" << 0 << true << QColor() << -1;
        QTest::newRow("large") << "Compilation" << 30 << false << QColor() << -1;
        QTest::newRow("icon") << "zyn_gdb.cmd" << 0 << false << QColor(Qt::red) << -1;
        QTest::newRow("checked") << "Sensitive" << 0 << false << QColor() << int(Qt::Checked);
    }
    void sizeHintsAreTheDelegates()
    {
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        QFETCH(bool, bold);
        QFETCH(QColor, icon);
        QFETCH(int, check);

        QTreeView view;
        QStandardItemModel model;
        view.setModel(&model);
        QASizeHintDelegate remembering;
        QStyledItemDelegate plain;
        auto *item = new QStandardItem(QStringLiteral("x"));
        model.appendRow(item);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.decorationSize = QSize(16, 16);
        option.widget = &view;
        const QModelIndex index = item->index();
        const auto agree = [&] {
            const QSize first = remembering.sizeHint(option, index);
            return first == plain.sizeHint(option, index)
                && remembering.sizeHint(option, index) == first;
        };
        QVERIFY(agree());

        item->setText(text);
        QVERIFY(agree());
        QFont font = view.font();
        if (pointSize > 0)
            font.setPointSize(pointSize);
        font.setBold(bold);
        item->setFont(font);
        QVERIFY(agree());
        if (icon.isValid()) {
            QPixmap picture(16, 16);
            picture.fill(icon);
            item->setIcon(QIcon(picture));
            QVERIFY(agree());
        }
        if (check >= 0) {
            item->setCheckable(true);
            item->setCheckState(Qt::CheckState(check));
            QVERIFY(agree());
        }
        option.font.setPointSize(option.font.pointSize() + 6);
        QVERIFY(agree());
        // Back to the first look: the first answer again.
        item->setData(QVariant(), Qt::FontRole);
        item->setData(QVariant(), Qt::DecorationRole);
        item->setData(QVariant(), Qt::CheckStateRole);
        item->setText(QStringLiteral("x"));
        QVERIFY(agree());
    }
};

QTEST_MAIN(TestFastPaths)
#include "tst_fastpaths.moc"

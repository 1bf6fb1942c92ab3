#include "document/domtext.h"
#include "document/qazynwriter.h"
#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QTest>

// What a save writes: framing, fidelity to what was read, and well-formedness whatever was typed.
class TestWriter : public QObject
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

    // Loads bytes the way the editor does and writes them back.
    QByteArray resave(const QByteArray &content, QDomDocument &document)
    {
        QAAttributeOrder order;
        const QDomElement root
            = QAXmlEditor::readRootElement(write(content), document, nullptr, &order);
        QAZynWriter writer(&order);
        return writer.write(root);
    }

    static int nodeCount(const QDomNode &node)
    {
        int count = 1;
        for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
            count += nodeCount(child);
        return count;
    }

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void writesTheFraming()
    {
        QDomDocument document;
        const QByteArray out = resave(
            "<?xml version=\"1.0\"?><ZYN Name=\"x\"><IS><COMMENT>c</COMMENT></IS><BUILD/></ZYN>",
            document);
        QCOMPARE(out,
                 QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN "
                            "Name=\"x\">\n<IS>\n<COMMENT>c</COMMENT>\n</IS>\n<BUILD/>\n</ZYN>\n"));
    }

    void keepsWhatItDidNotEdit_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("attribute order")
            << QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN z=\"1\" Name=\"n\" a=\"2\" "
                          "Version=\"V2009\">\n<IS Doc=\"d\" Label=\"l\"/>\n</ZYN>\n");
        QTest::newRow("unknown element, comment, processing instruction")
            << QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN>\n<UNKNOWN "
                          "x=\"1\">\n<DEEPER>text</DEEPER>\n</UNKNOWN>\n<!-- a remark -->\n<?zyn "
                          "keep me?>\n</ZYN>\n");
        QTest::newRow("cdata and escaped text") << QByteArray(
            "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN>\n<VALUE><![CDATA[if (a < b && c) "
            "{}]]></VALUE>\n<KEY>a &lt; b &amp; \"c\" &gt;</KEY>\n</ZYN>\n");
        QTest::newRow("attribute with line break and tab")
            << QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN Name=\"a&#xa;b&#x9;c\"/>\n");
        QTest::newRow("non-ASCII text")
            << QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN "
                          "Name=\"\xc3\xa9t\xc3\xa9\">\n<COMMENT>\xe2\x82\xac "
                          "\xf0\x9f\x98\x80</COMMENT>\n</ZYN>\n");
    }
    void keepsWhatItDidNotEdit()
    {
        QFETCH(QByteArray, document);
        QDomDocument dom;
        QCOMPARE(resave(document, dom), document);
    }

    void resavesByteIdentically()
    {
        QDomDocument first;
        const QByteArray once
            = resave("<ZYN b=\"2\" a=\"1\"><X q=\"1\" p=\"2\"><![CDATA[x]]></X><Y/></ZYN>", first);
        QDomDocument second;
        QCOMPARE(resave(once, second), once);
    }

    void resavesTheShippedDocumentsStably_data()
    {
        QTest::addColumn<QString>("path");
        const QString xml = TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/");
        for (const char *name :
             { "templatec.xdp", "templatea.xdp", "templatej2se.xdp", "templatej2me.xdp" })
            QTest::newRow(name) << xml + QLatin1String(name);
        QTest::newRow("sample") << QStringLiteral(ZYN_SOURCE_DIR "/samples/gcc-linux.xdp");
    }
    void resavesTheShippedDocumentsStably()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        QDomDocument first;
        const QByteArray once = resave(original, first);
        QVERIFY(QAZynWriter::isWellFormed(once));
        QDomDocument second;
        QCOMPARE(resave(once, second), once);
        QVERIFY(nodeCount(first) > 100);
        QCOMPARE(nodeCount(second), nodeCount(first));
    }

    void newAttributesFollowTheReadOnes()
    {
        QDomDocument document;
        QAAttributeOrder order;
        QDomElement root = QAXmlEditor::readRootElement(write("<ZYN z=\"1\" Name=\"n\"/>"),
                                                        document, nullptr, &order);
        root.setAttribute("read_only", "no");
        root.setAttribute("generate_in", "/tmp");
        root.setAttribute("Name", "m");
        QCOMPARE(QAZynWriter(&order).write(root),
                 QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN z=\"1\" Name=\"m\" "
                            "generate_in=\"/tmp\" read_only=\"no\"/>\n"));
    }

    void staysWellFormedWhateverWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<int>("dropped");
        QTest::newRow("cdata end marker in code") << "if (a[b[0]]>1) x = y]]>z;"
                                                  << "if (a[b[0]]>1) x = y]]>z;" << 0;
        QTest::newRow("control characters") << QString("a\x01"
                                                       "b\x1f"
                                                       "c\x0b")
                                            << "abc" << 3;
        QTest::newRow("lone surrogate") << QString("x") + QChar(0xD800) + "y"
                                        << "xy" << 1;
        QTest::newRow("noncharacter U+FFFE") << QString("x") + QChar(0xFFFE) << "x" << 1;
        QTest::newRow("tab, line feed, carriage return kept") << "a\tb\nc\rd"
                                                              << "a\tb\nc\rd" << 0;
    }
    void staysWellFormedWhateverWasTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, readBack);
        QFETCH(int, dropped);
        QDomDocument document;
        QDomElement root = QAXmlEditor::readRootElement(
            write("<ZYN><NEWCMDFILE "
                  "Name=\"f\"><COMMENT/><VALUE><![CDATA[old]]></VALUE></NEWCMDFILE></ZYN>"),
            document);
        const QDomElement file = root.firstChildElement();
        setChildText(typed, "VALUE", file);
        setChildText(typed, "COMMENT", file);
        QAZynWriter writer;
        const QByteArray bytes = writer.write(root);
        QVERIFY2(QAZynWriter::isWellFormed(bytes), bytes.constData());
        QCOMPARE(writer.droppedCharacters(), 2 * dropped);

        QDomDocument reread;
        const QDomElement again = QAXmlEditor::readRootElement(write(bytes), reread);
        QVERIFY(!again.isNull());
        QCOMPARE(childText("VALUE", again.firstChildElement()), readBack);
        QCOMPARE(childText("COMMENT", again.firstChildElement()), readBack);
    }
};

QTEST_MAIN(TestWriter)
#include "tst_writer.moc"

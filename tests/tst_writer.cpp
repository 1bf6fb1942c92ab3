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

    // Loads bytes the way the editor does and writes them back into out.
    [[nodiscard]] bool resave(const QByteArray &content, QDomDocument &document, QByteArray *out)
    {
        QString path;
        if (!m_env->writeScratch(QStringLiteral("doc.xdp"), content, &path))
            return false;
        QAAttributeOrder order;
        const QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
        *out = QAZynWriter(&order).write(root);
        return true;
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
        QByteArray out;
        QVERIFY(resave(
            "<?xml version=\"1.0\"?><ZYN Name=\"x\"><IS><COMMENT>c</COMMENT></IS><BUILD/></ZYN>",
            document, &out));
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
        QByteArray out;
        QVERIFY(resave(document, dom, &out));
        QCOMPARE(out, document);
    }

    void resavesByteIdentically()
    {
        QDomDocument first;
        QByteArray once;
        QVERIFY(resave("<ZYN b=\"2\" a=\"1\"><X q=\"1\" p=\"2\"><![CDATA[x]]></X><Y/></ZYN>", first,
                       &once));
        QDomDocument second;
        QByteArray twice;
        QVERIFY(resave(once, second, &twice));
        QCOMPARE(twice, once);
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
        QByteArray once;
        QVERIFY(resave(original, first, &once));
        QVERIFY(QAZynWriter::isWellFormed(once));
        QDomDocument second;
        QByteArray twice;
        QVERIFY(resave(once, second, &twice));
        QCOMPARE(twice, once);
        QVERIFY(nodeCount(first) > 100);
        QCOMPARE(nodeCount(second), nodeCount(first));
    }

    void newAttributesFollowTheReadOnes()
    {
        QDomDocument document;
        QAAttributeOrder order;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), "<ZYN z=\"1\" Name=\"n\"/>", &path));
        QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
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
        QString path;
        QVERIFY(m_env->writeScratch(
            QStringLiteral("doc.xdp"),
            "<ZYN><NEWCMDFILE "
            "Name=\"f\"><COMMENT/><VALUE><![CDATA[old]]></VALUE></NEWCMDFILE></ZYN>",
            &path));
        QDomElement root = QAXmlEditor::readRootElement(path, document);
        const QDomElement file = root.firstChildElement();
        setChildText(typed, "VALUE", file);
        setChildText(typed, "COMMENT", file);
        QAZynWriter writer;
        const QByteArray bytes = writer.write(root);
        QVERIFY2(QAZynWriter::isWellFormed(bytes), bytes.constData());
        QCOMPARE(writer.droppedCharacters(), 2 * dropped);

        QDomDocument reread;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), bytes, &path));
        const QDomElement again = QAXmlEditor::readRootElement(path, reread);
        QVERIFY(!again.isNull());
        QCOMPARE(childText("VALUE", again.firstChildElement()), readBack);
        QCOMPARE(childText("COMMENT", again.firstChildElement()), readBack);
    }
};

QTEST_MAIN(TestWriter)
#include "tst_writer.moc"

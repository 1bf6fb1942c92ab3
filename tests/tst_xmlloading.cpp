#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

// Loading a document through the SDK base: what reaches the DOM, and what never does.
class TestXmlLoading : public QObject
{
    Q_OBJECT

private:
    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = m_env->scratch() + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void refusesUnreadableInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("truncated") << QByteArray("<ZYN Name=\"a\"><IS>");
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe garbage", 14);
        QTest::newRow("two roots") << QByteArray("<ZYN/><ZYN/>");
        QTest::newRow("too deep") << QByteArray("<a>").repeated(QAXmlEditor::MaximumNesting + 1);
    }
    void refusesUnreadableInput()
    {
        QFETCH(QByteArray, content);
        QDomDocument document;
        QString error;
        const QDomElement root
            = QAXmlEditor::readRootElement(write("bad.xdp", content), document, &error);
        QVERIFY(root.isNull());
        QVERIFY(!error.isEmpty());
    }

    // Hostile or odd input: each is refused or opened, never a crash, a hang or a leak of a file.
    void survivesHostileInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("opens");
        const QByteArray laughs = "<!DOCTYPE ZYN [<!ENTITY a \"aaaaaaaaaa\">"
                                  "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                                  "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                                  "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                                  "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                                  "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
                                  "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
                                  "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">]>"
                                  "<ZYN Name=\"&h;\">&h;</ZYN>";
        QTest::newRow("billion laughs") << laughs << false;
        QTest::newRow("NUL byte") << QByteArray("<ZYN>\0</ZYN>", 12) << false;
        QTest::newRow("invalid UTF-8") << QByteArray("<ZYN Name=\"\xc3\x28\"/>") << false;
        QTest::newRow("UTF-8 byte-order mark")
            << QByteArray("\xef\xbb\xbf<ZYN Name=\"x\"/>") << true;
        QTest::newRow("UTF-16 with byte-order mark")
            << (QByteArray("\xff\xfe")
                + QByteArray::fromRawData(reinterpret_cast<const char *>(u"<ZYN Name=\"x\"/>"), 30))
            << true;
        QTest::newRow("declared Latin-1")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><ZYN Name=\"\xe9\"/>")
            << true;
        QTest::newRow("a million siblings")
            << "<ZYN>" + QByteArray("<a/>").repeated(1000000) + "</ZYN>" << true;
        QTest::newRow("a 100 MB attribute")
            << "<ZYN Name=\"" + QByteArray(100 * 1024 * 1024, 'x') + "\"/>" << true;
    }
    void survivesHostileInput()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, opens);
        QDomDocument document;
        const QDomElement root
            = QAXmlEditor::readRootElement(write("hostile.xdp", content), document);
        QCOMPARE(!root.isNull(), opens);
        if (opens)
            QCOMPARE(root.tagName(), QStringLiteral("ZYN"));
    }

    void neverReadsAnExternalEntity()
    {
        const QString secret = write("secret.txt", "TOP-SECRET-CONTENT");
        const QByteArray content = "<!DOCTYPE ZYN [<!ENTITY x SYSTEM \"file://" + secret.toUtf8()
            + "\">]><ZYN Name=\"n\">&x;</ZYN>";
        QDomDocument document;
        const QDomElement root
            = QAXmlEditor::readRootElement(write("external.xdp", content), document);
        QVERIFY(!document.toByteArray().contains("TOP-SECRET-CONTENT"));
        Q_UNUSED(root);
    }

    void refusesWhatIsNotAFile()
    {
        QDomDocument document;
        QVERIFY(QAXmlEditor::readRootElement(m_env->scratch(), document).isNull());
        QVERIFY(QAXmlEditor::readRootElement(m_env->scratch() + "/missing.xdp", document).isNull());
        QVERIFY(QAXmlEditor::readRootElement("/dev/zero", document).isNull());
        const QString fifo = m_env->scratch() + "/fifo.xdp";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QAXmlEditor::readRootElement(fifo, document).isNull());
        const QString loop = m_env->scratch() + "/loop.xdp";
        QVERIFY(QFile::link(loop, loop));
        QVERIFY(QAXmlEditor::readRootElement(loop, document).isNull());
    }

    void dropsWhitespaceOnlyText()
    {
        const QString path = write("ws.xdp",
                                   "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN>\n  <IS>\n    "
                                   "<COMMENT> kept </COMMENT>\n  </IS>\n</ZYN>\n");
        QDomDocument document;
        const QDomElement root = QAXmlEditor::readRootElement(path, document);
        QCOMPARE(root.tagName(), QStringLiteral("ZYN"));
        QCOMPARE(root.childNodes().count(), 1);
        QVERIFY(root.firstChild().firstChild().isElement());
        QCOMPARE(root.firstChild().firstChild().firstChild().nodeValue(), QStringLiteral(" kept "));
    }

    void refusesDeepNestingQuickly()
    {
        // The DOM would take minutes on this and crash writing it back.
        const QString path = write("deep.xdp", QByteArray("<a>").repeated(100000));
        QDomDocument document;
        QVERIFY(QAXmlEditor::readRootElement(path, document).isNull());
    }
};

QTEST_MAIN(TestXmlLoading)
#include "tst_xmlloading.moc"

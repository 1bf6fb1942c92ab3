#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

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

    void refusesWhatIsNotAFile()
    {
        QDomDocument document;
        QVERIFY(QAXmlEditor::readRootElement(m_env->scratch(), document).isNull());
        QVERIFY(QAXmlEditor::readRootElement(m_env->scratch() + "/missing.xdp", document).isNull());
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
        QElapsedTimer timer;
        timer.start();
        QVERIFY(QAXmlEditor::readRootElement(path, document).isNull());
    }
};

QTEST_MAIN(TestXmlLoading)
#include "tst_xmlloading.moc"

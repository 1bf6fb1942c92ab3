#include "document/qazynwriter.h"
#include "sdk/qaxmleditor.h"
#include "sdk/qaxmlreadahead.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

// Loading a document through the SDK base: what reaches the DOM, and what never does.
class TestXmlLoading : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    // A document read ahead is what reading it then would give: the same tree, attribute orders
    // and refusal, and the file as it is now when it changed in between.
    void readAheadGivesWhatAReadGives_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("change"); // none, rewrite, replace, other-path, dropped
        QTest::addColumn<bool>("relative");
        QTest::addColumn<QString>("name"); // the root's name as read
        const QByteArray document = "<ZYN Name=\"one\" b=\"2\" a=\"1\"><IS> <X/> </IS></ZYN>\n";
        QTest::newRow("unchanged") << document << "none" << false << "one";
        QTest::newRow("unchanged, relative name") << document << "none" << true << "one";
        QTest::newRow("refused document") << QByteArray("<ZYN><IS>") << "none" << false << "";
        QTest::newRow("refused, relative name") << QByteArray("<ZYN><IS>") << "none" << true << "";
        QTest::newRow("rewritten in place, same size") << document << "rewrite" << false << "two";
        QTest::newRow("replaced by another file") << document << "replace" << false << "three";
        QTest::newRow("another file read") << document << "other-path" << false << "other";
        QTest::newRow("dropped before the read") << document << "dropped" << false << "one";
    }
    void readAheadGivesWhatAReadGives()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, change);
        QFETCH(bool, relative);
        QFETCH(QString, name);
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), content, &path));
        QString other;
        QVERIFY(m_env->writeScratch(QStringLiteral("other.xdp"), "<ZYN Name=\"other\"/>", &other));
        const QString previous = QDir::currentPath();
        const auto restore = qScopeGuard([&previous] { QDir::setCurrent(previous); });
        if (relative)
            QVERIFY(QDir::setCurrent(m_env->scratch()));
        const QString spelled = relative ? QStringLiteral("doc.xdp") : path;
        QAXmlReadAhead::start(spelled);

        QByteArray now = content;
        // Lets the thread read the file as it was, so that a change has something to betray.
        if (change == QLatin1String("rewrite") || change == QLatin1String("replace"))
            QTest::qWait(100);
        if (change == QLatin1String("rewrite")) {
            now.replace("one", "two");
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QCOMPARE(file.write(now), now.size());
            // Same size: only the time tells; make sure it moves even on a coarse clock.
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                     QFileDevice::FileModificationTime));
        } else if (change == QLatin1String("replace")) {
            now.replace("one", "three");
            QString fresh;
            QVERIFY(m_env->writeScratch(QStringLiteral("fresh.xdp"), now, &fresh));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::rename(fresh, path));
        } else if (change == QLatin1String("dropped")) {
            QAXmlReadAhead::drop();
        }
        const QString read = change == QLatin1String("other-path") ? other : spelled;

        QDomDocument early;
        QString earlyError = QStringLiteral("untouched");
        QAAttributeOrder earlyOrder;
        const QDomElement earlyRoot
            = QAXmlEditor::readRootElement(read, early, &earlyError, &earlyOrder);
        QAXmlReadAhead::drop();

        QDomDocument direct;
        QString directError = QStringLiteral("untouched");
        QAAttributeOrder directOrder;
        const QDomElement directRoot
            = QAXmlEditor::readRootElementFromDisk(read, direct, &directError, &directOrder);
        QCOMPARE(earlyRoot.isNull(), directRoot.isNull());
        QCOMPARE(earlyError, directError);
        QCOMPARE(earlyOrder, directOrder);
        QCOMPARE(early.toString(), direct.toString());
        QCOMPARE(earlyRoot.attribute(QStringLiteral("Name")), name);
    }

    void refusesUnreadableInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("truncated") << QByteArray("<ZYN Name=\"a\"><IS>");
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe garbage", 12);
        QTest::newRow("two roots") << QByteArray("<ZYN/><ZYN/>");
        QTest::newRow("too deep") << QByteArray("<a>").repeated(QAXmlEditor::MaximumNesting + 1);
    }
    void refusesUnreadableInput()
    {
        QFETCH(QByteArray, content);
        QDomDocument document;
        QString error;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("bad.xdp"), content, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error);
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
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("hostile.xdp"), content, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document);
        QCOMPARE(!root.isNull(), opens);
        if (opens)
            QCOMPARE(root.tagName(), QStringLiteral("ZYN"));
    }

    void neverReadsAnExternalEntity()
    {
        QString secret;
        QVERIFY(m_env->writeScratch(QStringLiteral("secret.txt"), "TOP-SECRET-CONTENT", &secret));
        const QByteArray content = "<!DOCTYPE ZYN [<!ENTITY x SYSTEM \"file://" + secret.toUtf8()
            + "\">]><ZYN Name=\"n\">&x;</ZYN>";
        QDomDocument document;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("external.xdp"), content, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document);
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
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("ws.xdp"),
                                    "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN>\n  <IS>\n    "
                                    "<COMMENT> kept </COMMENT>\n  </IS>\n</ZYN>\n",
                                    &path));
        QDomDocument document;
        const QDomElement root = QAXmlEditor::readRootElement(path, document);
        QCOMPARE(root.tagName(), QStringLiteral("ZYN"));
        QCOMPARE(root.childNodes().count(), 1);
        QVERIFY(root.firstChild().firstChild().isElement());
        QCOMPARE(root.firstChild().firstChild().firstChild().nodeValue(), QStringLiteral(" kept "));
    }

    // What a save writes of what was read: blank text stays where it is the content, references
    // the loader cannot resolve stay as written; blanks between elements go.
    void roundTripsContentAsWritten_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("saved"); // empty: the body itself
        QTest::newRow("blank value")
            << QByteArray("<ZYN>\n<VALUE>   </VALUE>\n</ZYN>\n") << QByteArray();
        QTest::newRow("carried file of blank lines")
            << QByteArray("<ZYN>\n<FILE Name=\"b\">\n\n\t\n</FILE>\n</ZYN>\n") << QByteArray();
        QTest::newRow("unknown element holding blanks")
            << QByteArray("<ZYN>\n<IS>\n<UNKNOWN> \t </UNKNOWN>\n</IS>\n</ZYN>\n") << QByteArray();
        QTest::newRow("blanks around a comment")
            << QByteArray("<ZYN>\n<V> <!--c--> </V>\n</ZYN>\n") << QByteArray();
        QTest::newRow("blanks around a processing instruction")
            << QByteArray("<ZYN>\n<V>\n<?pi x?>\n</V>\n</ZYN>\n") << QByteArray();
        QTest::newRow("blank CDATA")
            << QByteArray("<ZYN>\n<V><![CDATA[  ]]></V>\n</ZYN>\n") << QByteArray();
        QTest::newRow("blank and text among references")
            << QByteArray("<ZYN>\n<V> &undeclared; a&other;b </V>\n</ZYN>\n") << QByteArray();
        QTest::newRow("undeclared reference alone")
            << QByteArray("<ZYN>\n<V>&undeclared;</V>\n<W/>\n</ZYN>\n") << QByteArray();
        QTest::newRow("reference between elements")
            << QByteArray("<ZYN>\n<A/>&undeclared;<B/>\n</ZYN>\n") << QByteArray();
        QTest::newRow("blank character reference")
            << QByteArray("<ZYN>\n<V>&#32;&#9;</V>\n</ZYN>\n")
            << QByteArray("<ZYN>\n<V> \t</V>\n</ZYN>\n");
        QTest::newRow("blanks between elements dropped")
            << QByteArray("<ZYN>\n  <IS>\n    <V>x</V>\n  </IS>\n</ZYN>\n")
            << QByteArray("<ZYN>\n<IS>\n<V>x</V>\n</IS>\n</ZYN>\n");
        QTest::newRow("blanks beside an element child dropped")
            << QByteArray("<ZYN>\n<V> <A/> </V>\n</ZYN>\n")
            << QByteArray("<ZYN>\n<V>\n<A/>\n</V>\n</ZYN>\n");
        QTest::newRow("small internal entity expanded") << QByteArray("<ZYN>\n<V>&e;</V>\n</ZYN>\n")
                                                        << QByteArray("<ZYN>\n<V>ee</V>\n</ZYN>\n");
    }
    void roundTripsContentAsWritten()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, saved);
        const QByteArray doctype = body.contains("&e;")
            ? "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\" [<!ENTITY e \"ee\">]>\n"
            : "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n";
        QDomDocument document;
        QAAttributeOrder order;
        QString error;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("in.xdp"), doctype + body, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error, &order);
        QVERIFY2(!root.isNull(), qPrintable(error));
        const QByteArray expected
            = "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n" + (saved.isEmpty() ? body : saved);
        QCOMPARE(QAZynWriter(&order).write(root), expected);
    }

    // Entities the DOM would expand without bound, read from elsewhere or silently lose: refused
    // before the parse, saying why.
    void refusesEntityTricks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray big = "<!ENTITY big \"" + QByteArray(4000, 'x') + "\">";
        QTest::newRow("expansion over the limit in total")
            << "<!DOCTYPE ZYN [" + big + "]><ZYN>" + QByteArray("<V>&big;</V>").repeated(300)
                + "</ZYN>"
            << "expand to more than 1048576 characters";
        QTest::newRow("expansion over the limit in attributes") << "<!DOCTYPE ZYN [" + big
                + "]><ZYN>" + QByteArray("<V a=\"&big;\"/>").repeated(300) + "</ZYN>"
                                                                << "expand to more than";
        QTest::newRow("nested expansion")
            << QByteArray("<!DOCTYPE ZYN [" + big
                          + "<!ENTITY b \"&big;&big;&big;&big;&big;&big;&big;&big;\">"
                            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><ZYN>&c;&c;&c;&c;&c;</ZYN>")
            << "expand to more than";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE ZYN [<!ENTITY x SYSTEM \"other.txt\">]><ZYN>&x;</ZYN>")
            << "external entity 'x'";
        QTest::newRow("external entity inside another")
            << QByteArray("<!DOCTYPE ZYN [<!ENTITY x PUBLIC \"-//x\" \"other.txt\">"
                          "<!ENTITY y \"a&x;\">]><ZYN>&y;</ZYN>")
            << "entity 'y' refers to 'x'";
        QTest::newRow("undeclared entity in an attribute")
            << QByteArray("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN\nName=\"&nowhere;\"/>")
            << "3: an attribute value refers to the undeclared entity 'nowhere'";
        QTest::newRow("UTF-16 expansion over the limit") << [&] {
            const QString text = "<!DOCTYPE ZYN [" + QString::fromLatin1(big) + "]><ZYN>"
                + QStringLiteral("&big;").repeated(300) + "</ZYN>";
            return QByteArray("\xff\xfe")
                + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        }() << "expand to more than";
    }
    void refusesEntityTricks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QDomDocument document;
        QString error;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("entities.xdp"), content, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error);
        QVERIFY(root.isNull());
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void readsEntitiesWithinTheLimit()
    {
        // 1,000 uses of 1,000 characters: just under the limit.
        const QByteArray content = "<!DOCTYPE ZYN [<!ENTITY k \"" + QByteArray(1000, 'k')
            + "\">]><ZYN Name=\"&k;\">" + QByteArray("&k;").repeated(1047) + "</ZYN>";
        QDomDocument document;
        QString error;
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("within.xdp"), content, &path));
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error);
        QVERIFY2(!root.isNull(), qPrintable(error));
        QCOMPARE(root.text().size(), 1047000);
        QCOMPARE(root.attribute(QStringLiteral("Name")).size(), 1000);
    }

    void refusesDeepNestingQuickly()
    {
        // The DOM would take minutes on this and crash writing it back.
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("deep.xdp"), QByteArray("<a>").repeated(100000),
                                    &path));
        QDomDocument document;
        QVERIFY(QAXmlEditor::readRootElement(path, document).isNull());
    }
};

QTEST_MAIN(TestXmlLoading)
#include "tst_xmlloading.moc"

#include "app/qazyntargets.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDomDocument>
#include <QTest>

namespace {

using Files = TestFiles::Files;

QStringList listed(const QAZynTargets &targets)
{
    QStringList entries;
    for (const auto &entry : targets.entries())
        entries << entry->directoryName + QLatin1Char(':') + entry->targetName;
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(Files)

// The list of existing targets, without a window.
class TestTargets : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    QString m_root;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_root = m_env->scratch() + QStringLiteral("/targets");
        QVERIFY(QDir().mkpath(m_root));
    }

    void scan_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("every NAME= line of every .ini file, quotes dropped")
            << Files { { "b/one.ini", "X=1\nNAME=\"C++ B1\"\nNAME=Ada B2\n" },
                       { "a/z.ini", "NAME=\"Ada A\"\n" },
                       { "a/y.ini", "  NAME=\"C++ \"A\"\"\n" } }
            << QStringList { "a:  C++ A", "a:Ada A", "b:C++ B1", "b:Ada B2" };
        QTest::newRow("only .ini files one level down")
            << Files { { "a/a.txt", "NAME=\"C++ txt\"\n" },
                       { "loose.ini", "NAME=\"C++ loose\"\n" },
                       { "a/deeper/d.ini", "NAME=\"C++ deep\"\n" } }
            << QStringList {};
        QTest::newRow("NAME= is case-sensitive")
            << Files { { "a/a.ini", "name=\"C++ a\"\nNAME=\"C++ b\"\n" } }
            << QStringList { "a:C++ b" };
    }
    void scan()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, expected);
        QVERIFY(TestFiles::writeAll(m_root, files));

        QAZynTargets targets;
        targets.scan(m_root);
        QCOMPARE(listed(targets), expected);
    }

    void scanReplacesTheListAndForgetsTheCurrentEntry()
    {
        QVERIFY(TestFiles::writeAll(m_root, { { "a/a.ini", "NAME=\"C++ A\"\n" } }));
        QAZynTargets targets;
        targets.replaceCurrent(QStringLiteral("mine"), QStringLiteral("C++ Mine"));
        QVERIFY(targets.current());

        targets.scan(m_root);
        QCOMPARE(listed(targets), QStringList { "a:C++ A" });
        QVERIFY(!targets.current());

        const QString missing = m_root + QStringLiteral("/nowhere");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(missing + " directory doesn't exists"));
        targets.scan(missing);
        QVERIFY(targets.entries().empty());
    }

    void findMatchesExactlyAndTakesTheLast_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "demo"
                               << "C++ Demo" << 0;
        QTest::newRow("last of equal entries") << "twin"
                                               << "Ada Twin" << 2;
        QTest::newRow("directory case") << "Demo"
                                        << "C++ Demo" << -1;
        QTest::newRow("label case") << "demo"
                                    << "C++ demo" << -1;
        QTest::newRow("no blank after the prefix") << "demo"
                                                   << "C++Demo" << -1;
    }
    void findMatchesExactlyAndTakesTheLast()
    {
        QFETCH(QString, directory);
        QFETCH(QString, label);
        QFETCH(int, index);
        QVERIFY(TestFiles::writeAll(m_root,
                                    { { "demo/d.ini", "NAME=\"C++ Demo\"\n" },
                                      { "twin/a.ini", "NAME=\"Ada Twin\"\n" },
                                      { "twin/b.ini", "NAME=\"Ada Twin\"\n" } }));
        QAZynTargets targets;
        targets.scan(m_root);
        const auto *expected = index < 0 ? nullptr : targets.entries().at(size_t(index)).get();
        QCOMPARE(targets.find(directory, label), expected);
    }

    void duplicateRule_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("free");
        QTest::newRow("same label, other directory") << "mine"
                                                     << "C++ Demo" << false;
        QTest::newRow("same label, its own directory") << "demo"
                                                       << "C++ Demo" << true;
        QTest::newRow("other family") << "mine"
                                      << "Ada Demo" << true;
        QTest::newRow("unknown label") << "mine"
                                       << "C++ Else" << true;
    }
    void duplicateRule()
    {
        QFETCH(QString, directory);
        QFETCH(QString, label);
        QFETCH(bool, free);
        QVERIFY(TestFiles::writeAll(m_root, { { "demo/d.ini", "NAME=\"C++ Demo\"\n" } }));
        QAZynTargets targets;
        targets.scan(m_root);
        QCOMPARE(targets.isNameFree(directory, label), free);
    }

    void savedDocumentReplacesItsOwnEntryOnly()
    {
        QVERIFY(TestFiles::writeAll(m_root, { { "demo/d.ini", "NAME=\"C++ Demo\"\n" } }));
        QAZynTargets targets;
        targets.scan(m_root);
        targets.setCurrent(targets.find(QStringLiteral("demo"), QStringLiteral("C++ Demo")));

        targets.replaceCurrent(QStringLiteral("demo"), QStringLiteral("C++ Renamed"));
        QCOMPARE(listed(targets), QStringList { "demo:C++ Renamed" });
        QCOMPARE(targets.current(), targets.entries().back().get());

        targets.remove(targets.current());
        QVERIFY(targets.entries().empty());
        QVERIFY(!targets.current());
        targets.remove(nullptr); // nothing to do
    }

    void labelFollowsTheType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("label");
        QTest::newRow("CCPP") << "CCPP"
                              << "C++ N";
        QTest::newRow("lower case") << "ccpp"
                                    << "Ada N";
        QTest::newRow("none") << ""
                              << "Ada N";
    }
    void labelFollowsTheType()
    {
        QFETCH(QString, type);
        QFETCH(QString, label);
        QDomDocument document;
        QDomElement root = document.createElement(QStringLiteral("ZYN"));
        root.setAttribute(QStringLiteral("Name"), QStringLiteral("N"));
        if (!type.isEmpty())
            root.setAttribute(QStringLiteral("type"), type);
        QCOMPARE(QAZynTargets::label(root), label);
    }
};

QTEST_GUILESS_MAIN(TestTargets)
#include "tst_targets.moc"

#include "services/qascriptrunner.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The one runner behind every script call: lines in order, every line a notification brings,
// crashes told apart, no blocking on big output, start failures reported.
class TestScriptRunner : public QObject
{
    Q_OBJECT

private:
    // Writes a fake script into the temporary directory; sets path to it.
    [[nodiscard]] bool writeScript(const QByteArray &body, QString *path)
    {
        *path = m_dir->filePath(QStringLiteral("fake%1.pl").arg(++m_count));
        return TestFiles::write(
            *path,
            "use strict;\nuse warnings;\nSTDOUT->autoflush(1);\nSTDERR->autoflush(1);\n" + body);
    }

    struct Collected
    {
        QStringList output;
        QStringList errors;
    };

    // Collects the lines the runner emits.
    static void collect(QAScriptRunner &runner, Collected &lines)
    {
        connect(&runner, &QAScriptRunner::standardOutputLine, &runner,
                [&lines](const QString &line) { lines.output.append(line); });
        connect(&runner, &QAScriptRunner::standardErrorLine, &runner,
                [&lines](const QString &line) { lines.errors.append(line); });
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_count = 0;

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no Perl interpreter");
    }
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        qunsetenv("ZYN_PERL");
        m_dir.reset();
        m_env.reset();
    }

    void reportsLinesAndEnd_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");

        QTest::newRow("lines in order")
            << QByteArray("print qq(one\\n); print qq(two\\n); print qq(three\\n);")
            << QStringList { "one", "two", "three" } << QStringList() << 0 << false;
        QTest::newRow("empty and blank lines are lines too")
            << QByteArray("print qq(a\\n\\n  \\nb\\n);") << QStringList { "a", "", "  ", "b" }
            << QStringList() << 0 << false;
        QTest::newRow("last line without line end")
            << QByteArray("print qq(a\\nlast); print STDERR qq(oops);")
            << QStringList { "a", "last" } << QStringList { "oops" } << 0 << false;
        QTest::newRow("carriage returns dropped")
            << QByteArray("print qq(a\\r\\nb\\r\\n);") << QStringList { "a", "b" } << QStringList()
            << 0 << false;
        QTest::newRow("error lines and exit status")
            << QByteArray("print STDERR qq(first\\nsecond\\nlast\\n); exit 3;") << QStringList()
            << QStringList { "first", "second", "last" } << 3 << false;
        QTest::newRow("killed by a signal")
            << QByteArray("print qq(before\\n); kill 'KILL', $$; sleep 10;")
            << QStringList { "before" } << QStringList() << 9 << true;
    }
    void reportsLinesAndEnd()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, output);
        QFETCH(QStringList, errors);
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);

        QObject owner;
        QString script;
        QVERIFY(writeScript(body, &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script, {}, &owner);
        Collected lines;
        collect(runner, lines);
        QSignalSpy finished(&runner, &QAScriptRunner::finished);
        QVERIFY(runner.start());
        QVERIFY(runner.waitForFinished(60000));

        QCOMPARE(lines.output, output);
        QCOMPARE(lines.errors, errors);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(1).toBool(), crashed);
        if (!crashed)
            QCOMPARE(finished.first().at(0).toInt(), exitCode);
        QCOMPARE(runner.crashed(), crashed);
        QCOMPARE(runner.failed(), crashed || exitCode != 0);
        QCOMPARE(runner.lastErrorLine(), errors.isEmpty() ? QString() : errors.last());
    }

    void passesArgumentsAfterTheScript()
    {
        QString script;
        QVERIFY(writeScript("print qq($_\\n) for @ARGV;", &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script,
                              { "-update", "a file.xdp", "-tover", "V2009" }, nullptr);
        Collected lines;
        collect(runner, lines);
        QVERIFY(runner.start());
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(lines.output, QStringList({ "-update", "a file.xdp", "-tover", "V2009" }));
        QCOMPARE(runner.command().mid(runner.command().size() - 5),
                 QStringList({ script, "-update", "a file.xdp", "-tover", "V2009" }));
    }

    void deliversEveryLineOfOneNotification()
    {
        // Three lines in one write, then the script waits: all three must come at once, not one
        // per notification with the rest left for the end of the run.
        QString script;
        QVERIFY(writeScript("syswrite STDOUT, qq(a\\nb\\nc\\n); sleep 600;", &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script, {}, nullptr);
        Collected lines;
        collect(runner, lines);
        QSignalSpy first(&runner, &QAScriptRunner::standardOutputLine);
        QVERIFY(runner.start());
        QVERIFY(first.wait(60000));
        QCOMPARE(lines.output, QStringList({ "a", "b", "c" }));
        QVERIFY(!runner.hasFinished());
        runner.kill();
        QVERIFY(runner.waitForFinished(60000));
        QVERIFY(runner.crashed());
    }

    void hangingScriptCanBeStopped_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("cleanedUp");
        QTest::newRow("plain script") << QByteArray("sleep 600;") << false;
        // The generator removes its temporary files on SIGTERM: it must get the chance.
        QTest::newRow("cleans up on SIGTERM")
            << QByteArray("$SIG{TERM} = sub { open my $f, '>', $ARGV[0]; close $f;"
                          " $SIG{TERM} = 'DEFAULT'; kill 'TERM', $$; };"
                          " print qq(ready\n); sleep 1 while 1;")
            << true;
        QTest::newRow("ignores SIGTERM")
            << QByteArray("$SIG{TERM} = 'IGNORE'; print qq(ready\n); sleep 1 while 1;") << false;
    }

    void hangingScriptCanBeStopped()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, cleanedUp);
        const QString marker = m_dir->filePath(QStringLiteral("cleaned"));
        QString script;
        QVERIFY(writeScript(body, &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script, { marker }, nullptr);
        QSignalSpy ready(&runner, &QAScriptRunner::standardOutputLine);
        QSignalSpy finished(&runner, &QAScriptRunner::finished);
        QVERIFY(runner.start());
        if (body.contains("ready"))
            QVERIFY(ready.wait(60000));
        QVERIFY(!runner.waitForFinished(50));
        QVERIFY(runner.isRunning());
        runner.kill();
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(runner.failed());
        QVERIFY(runner.crashed());
        QCOMPARE(QFile::exists(marker), cleanedUp);
    }

    void bigOutputDoesNotBlock()
    {
        // Far more than a pipe holds, on the channel that is read least often in practice.
        QString script;
        QVERIFY(writeScript("my $l = ('x' x 99) . qq(\\n); print STDERR $l x 10240;"
                            " print STDERR qq(the end\\n); print qq(out\\n); exit 1;",
                            &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script, {}, nullptr);
        Collected lines;
        collect(runner, lines);
        QVERIFY(runner.start());
        QVERIFY(runner.waitForFinished(120000));
        QCOMPARE(lines.errors.size(), 10241);
        QCOMPARE(lines.errors.last(), QStringLiteral("the end"));
        QCOMPARE(lines.output, QStringList { "out" });
        QCOMPARE(runner.exitCode(), 1);
    }

    void reportsStartFailure()
    {
        const QString missing = m_dir->filePath(QStringLiteral("no-such-perl"));
        qputenv("ZYN_PERL", QFile::encodeName(missing));
        QAScriptRunner runner(QStringLiteral("zyneditor"), QStringLiteral("/x/script.pl"),
                              { "-list" }, nullptr);
        QSignalSpy finished(&runner, &QAScriptRunner::finished);
        QVERIFY(!runner.start());
        QVERIFY(!runner.waitForFinished(0));
        QCOMPARE(runner.commandText(), missing + QStringLiteral(" -w /x/script.pl -list"));
        QCOMPARE(finished.count(), 0);
    }
};

QTEST_MAIN(TestScriptRunner)
#include "tst_scriptrunner.moc"

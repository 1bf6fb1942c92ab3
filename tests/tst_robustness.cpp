#include "document/qazynwriter.h"
#include "sdk/qainstall.h"
#include "sdk/qaxmleditor.h"
#include "services/qascriptrunner.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How a hostile input is laid out in the documents directory.
enum class Kind { Bytes, Directory, Fifo, Device, LinkLoop, Missing };

// What the scripts make of an input.
enum class Expect { Refused, Accepted, Either };

struct HostileInput
{
    const char *name;
    Kind kind;
    Expect scripts;
};

// One entity of 4,000 characters used 20,000 times: 124 KB that expand to 80 MB.
QByteArray entityExpansion()
{
    return "<!DOCTYPE ZYN [<!ENTITY e4k \"" + QByteArray(4000, 'x') + "\">]>\n<ZYN Name=\"n\">\n"
        + QByteArray("&e4k;\n").repeated(20000) + "</ZYN>\n";
}

// One element with count attributes, written as the editor saves it; the names in an order the
// writer must keep (a10 before a2).
QByteArray manyAttributes(int count)
{
    QByteArray bytes = "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN Name=\"a\"";
    for (int i = 0; i < count; ++i)
        bytes += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i % 7) + "\"";
    return bytes + "/>\n";
}

// What the test generates rather than keeps in tests/data/robustness/.
QByteArray generated(const QString &name, const QString &secretPath)
{
    if (name == QLatin1String("external-entity.xdp"))
        return "<!DOCTYPE ZYN [<!ENTITY x SYSTEM \"file://" + secretPath.toUtf8()
            + "\">]><ZYN Name=\"n\">&x;</ZYN>";
    if (name == QLatin1String("deep-nesting.xdp"))
        return "<ZYN>" + QByteArray("<a>").repeated(100000);
    if (name == QLatin1String("many-siblings.xdp"))
        // A tenth of what the loader is checked with: the scripts take a few seconds per 100,000.
        return "<ZYN Name=\"s\">" + QByteArray("<a/>").repeated(100000) + "</ZYN>";
    if (name == QLatin1String("huge-attribute.xdp"))
        return "<ZYN Name=\"" + QByteArray(100 * 1024 * 1024, 'x') + "\"/>";
    if (name == QLatin1String("entity-expansion.xdp"))
        return entityExpansion();
    if (name == QLatin1String("many-attributes.xdp"))
        // A tenth of what the loader is checked with: libxml2 checks attributes in square time.
        return manyAttributes(10000);
    if (name == QLatin1String("utf16-bom.xdp"))
        return QByteArray("\xff\xfe")
            + QByteArray::fromRawData(reinterpret_cast<const char *>(u"<ZYN Name=\"x\"/>"), 30);
    return QByteArray();
}

const QList<HostileInput> &hostileInputs()
{
    static const QList<HostileInput> inputs {
        { "empty.xdp", Kind::Bytes, Expect::Refused },
        { "truncated.xdp", Kind::Bytes, Expect::Refused },
        { "garbage.xdp", Kind::Bytes, Expect::Refused },
        { "nul-byte.xdp", Kind::Bytes, Expect::Refused },
        { "invalid-utf8.xdp", Kind::Bytes, Expect::Refused },
        { "utf8-bom.xdp", Kind::Bytes, Expect::Accepted },
        // Read from a handle, the generator and the exporter do not take UTF-16; the editor
        // saves UTF-8, so they only meet one that was never saved by it.
        { "utf16-bom.xdp", Kind::Bytes, Expect::Either },
        { "latin1.xdp", Kind::Bytes, Expect::Accepted },
        { "billion-laughs.xdp", Kind::Bytes, Expect::Refused },
        { "external-entity.xdp", Kind::Bytes, Expect::Refused },
        { "deep-nesting.xdp", Kind::Bytes, Expect::Refused },
        { "many-siblings.xdp", Kind::Bytes, Expect::Accepted },
        { "entity-expansion.xdp", Kind::Bytes, Expect::Refused },
        { "many-attributes.xdp", Kind::Bytes, Expect::Accepted },
        // Over the parser's limit for one value; the editor opens it.
        { "huge-attribute.xdp", Kind::Bytes, Expect::Refused },
        { "directory.xdp", Kind::Directory, Expect::Refused },
        { "fifo.xdp", Kind::Fifo, Expect::Refused },
        { "device.xdp", Kind::Device, Expect::Refused },
        { "link-loop.xdp", Kind::LinkLoop, Expect::Refused },
        { "vanished.xdp", Kind::Missing, Expect::Refused },
    };
    return inputs;
}

// A picture of a directory tree that never opens anything but regular files.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            entries.insert(relative, "link " + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isFile()) {
            QFile file(info.filePath());
            QCryptographicHash hash(QCryptographicHash::Sha1);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(&file);
            entries.insert(relative, "file " + hash.result().toHex());
        } else {
            entries.insert(relative, info.isDir() ? "directory" : "special");
        }
    }
    return entries;
}

// Paths that differ between two pictures.
QStringList changedPaths(const QMap<QString, QByteArray> &before,
                         const QMap<QString, QByteArray> &after)
{
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed.append(it.key());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changed.append(it.key());
    }
    return changed;
}

bool processGone(qint64 pid)
{
    // A zombie counts as gone: nobody may be there to reap an orphan.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && line.mid(close + 2, 1) == "Z";
}

} // namespace

// Hostile documents through the installation scripts, and misbehaving scripts through the runner:
// a clear refusal or a clean result, never a hang, a crash, a stray file or a stray process.
class TestRobustness : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QTemporaryDir> m_corpus;
    int m_scriptCount = 0;

    QString corpusFile(const QString &name) const { return m_corpus->filePath(name); }

    // Puts the input into docs/ of the scratch directory; sets path to what is handed to the
    // script.
    [[nodiscard]] bool placeInput(const HostileInput &input, const QString &docs, QString *path)
    {
        *path = docs + QLatin1Char('/') + QLatin1String(input.name);
        const QByteArray name = QFile::encodeName(*path);
        switch (input.kind) {
        case Kind::Bytes:
            // A hard link: the big inputs are written once for all rows.
            return ::link(QFile::encodeName(corpusFile(input.name)).constData(), name.constData())
                == 0;
        case Kind::Directory:
            return QDir().mkpath(*path);
        case Kind::Fifo:
            return ::mkfifo(name.constData(), 0600) == 0;
        case Kind::Device:
            return QFile::link(QStringLiteral("/dev/zero"), *path);
        case Kind::LinkLoop:
            return QFile::link(*path, *path);
        case Kind::Missing:
            break;
        }
        return true;
    }

    // Writes a script into the scratch directory; sets path to it.
    [[nodiscard]] bool writeScript(const QByteArray &body, QString *path)
    {
        return m_env->writeScratch(QStringLiteral("fault%1.pl").arg(++m_scriptCount),
                                   "use strict;\nuse warnings;\n" + body, path);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no Perl interpreter");
        m_corpus = std::make_unique<QTemporaryDir>();
        const QString secret = m_corpus->filePath(QStringLiteral("secret.txt"));
        QVERIFY(TestFiles::write(secret, "TOP-SECRET-CONTENT\n"));
        for (const HostileInput &input : hostileInputs()) {
            if (input.kind != Kind::Bytes)
                continue;
            const QString name = QLatin1String(input.name);
            const QString kept = TestEnvironment::dataFile(QStringLiteral("robustness/") + name);
            QVERIFY(QFileInfo::exists(kept)
                        ? TestFiles::copy(kept, corpusFile(name))
                        : TestFiles::write(corpusFile(name), generated(name, secret)));
        }
    }
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    // Every kept hostile document, the fuzzer's finds among them, through what the fuzzer checks:
    // refused, or saved well-formed in a form that saves again unchanged. The finds (fuzz-*) are
    // documents the editor must open.
    void editorResavesWhatItOpens_data()
    {
        QTest::addColumn<QString>("path");
        const QDir kept(TestEnvironment::dataFile(QStringLiteral("robustness")));
        for (const QString &name : kept.entryList({ QStringLiteral("*.xdp") }, QDir::Files))
            QTest::newRow(qPrintable(name)) << kept.filePath(name);
    }
    void editorResavesWhatItOpens()
    {
        QFETCH(QString, path);
        QDomDocument document;
        QAAttributeOrder order;
        QString error;
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error, &order);
        if (QFileInfo(path).fileName().startsWith(QLatin1String("fuzz-")))
            QVERIFY2(!root.isNull(), qPrintable(error));
        if (root.isNull())
            return;
        const QByteArray first = QAZynWriter(&order).write(root);
        QVERIFY2(QAZynWriter::isWellFormed(first, &error), qPrintable(error));

        QString saved;
        QVERIFY(m_env->writeScratch(QStringLiteral("saved.xdp"), first, &saved));
        QDomDocument reloaded;
        QAAttributeOrder reloadedOrder;
        const QDomElement again
            = QAXmlEditor::readRootElement(saved, reloaded, &error, &reloadedOrder);
        QVERIFY2(!again.isNull(), qPrintable(error));
        QCOMPARE(QAZynWriter(&reloadedOrder).write(again), first);
    }

    // Input that made the editor crawl: refused at once saying why, or saved unchanged. The
    // suite's time limit is what catches a return to square time.
    void editorNeverCrawls_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("refusal"); // empty: saved unchanged
        QTest::newRow("80 MB of entity expansion")
            << entityExpansion() << QStringLiteral("expand to more than 1048576 characters");
        // Qt's reader checks an element's attributes against each other in square time, so the
        // open (not the writer) is what sets the size: 100,000 take a minute to parse.
        QTest::newRow("20,000 attributes on one element") << manyAttributes(20000) << QString();
    }
    void editorNeverCrawls()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("bulk.xdp"), content, &path));
        QDomDocument document;
        QAAttributeOrder order;
        QString error;
        const QDomElement root = QAXmlEditor::readRootElement(path, document, &error, &order);
        if (!refusal.isEmpty()) {
            QVERIFY(root.isNull());
            QVERIFY2(error.contains(refusal), qPrintable(error));
            return;
        }
        QVERIFY2(!root.isNull(), qPrintable(error));
        QAZynWriter writer(&order);
        const QByteArray saved = writer.write(root);
        QCOMPARE(saved.size(), content.size());
        QVERIFY(saved == content);
        QVERIFY(QAZynWriter::isWellFormed(saved, &error));
    }

    void processingInstructionTargetsAreMadeNames()
    {
        // The reader takes "<?zyn\0?>" with the NUL as part of the target, and a combining mark
        // it refuses in a target followed by data.
        QDomDocument document;
        const QDomElement root = QAXmlEditor::readRootElement(
            TestEnvironment::dataFile(QStringLiteral("robustness/fuzz-pi-target.xdp")), document);
        QVERIFY(!root.isNull());
        QAZynWriter writer;
        const QByteArray saved = writer.write(root);
        QCOMPARE(saved.count("<?zyn ?>"), 3);
        QVERIFY(saved.contains("<?zynbbbb ?>"));
        QCOMPARE(writer.droppedCharacters(), 5);
    }

    void scriptsRefuseHostileDocuments_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("input");
        for (const char *script : { "zynver.pl", "zyngen.pl", "zynprint.pl" }) {
            for (int i = 0; i < hostileInputs().size(); ++i)
                QTest::addRow("%s: %s", script, hostileInputs().at(i).name)
                    << QString::fromLatin1(script) << i;
        }
    }
    void scriptsRefuseHostileDocuments()
    {
        QFETCH(QString, script);
        QFETCH(int, input);
        const HostileInput &hostile = hostileInputs().at(input);

        // docs/ holds the input, gen/ and out/ are where generation and export may write.
        const QString root = m_env->scratch();
        for (const char *dir : { "docs", "gen", "out" })
            QVERIFY(QDir(root).mkpath(QLatin1String(dir)));
        QVERIFY(TestFiles::write(root + QStringLiteral("/docs/neighbour.xdp"),
                                 "<ZYN Name=\"neighbour\"/>"));
        QString document;
        QVERIFY(placeInput(hostile, root + QStringLiteral("/docs"), &document));

        QString allowed; // the one place the script may change
        QStringList arguments;
        if (script == QLatin1String("zynver.pl")) {
            arguments = QStringList { QStringLiteral("-update"), document };
            allowed = QStringLiteral("docs/") + QLatin1String(hostile.name);
        } else if (script == QLatin1String("zyngen.pl")) {
            arguments = QStringList { document, root + QStringLiteral("/gen") };
            allowed = QStringLiteral("gen/");
        } else {
            arguments = QStringList { document, root + QStringLiteral("/out/doc.txt") };
            allowed = QStringLiteral("out/doc.txt");
        }

        const auto before = snapshot(root);
        const QStringList command = QAInstall::perlCommand(QStringLiteral("zyneditor"))
            + QStringList { QAInstall::scriptPath(QStringLiteral("zyneditor"), script) }
            + arguments;
        QProcess process;
        process.start(command.first(), command.mid(1));
        QVERIFY(process.waitForStarted());
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            QFAIL("the script hung");
        }
        const QByteArray output = process.readAllStandardOutput();
        const QByteArray errors = process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        const QStringList changed = changedPaths(before, snapshot(root));
        const QByteArray what = errors + "changed: " + changed.join(QLatin1Char(' ')).toUtf8();

        if (process.exitCode() != 0) {
            QVERIFY2(hostile.scripts != Expect::Accepted, what.constData());
            QCOMPARE(process.exitCode(), 1);
            // One line that names the script, not a Perl trace.
            QVERIFY2(errors.startsWith(script.toUtf8() + ": ") && errors.endsWith('\n')
                         && errors.count('\n') == 1,
                     errors.constData());
            QVERIFY2(changed.isEmpty(), what.constData());
        } else {
            QVERIFY2(hostile.scripts != Expect::Refused, what.constData());
            for (const QString &path : changed)
                QVERIFY2(path == allowed || (allowed.endsWith('/') && path.startsWith(allowed)),
                         what.constData());
        }

        // Whatever happened, the file an external entity names never shows.
        QVERIFY(!output.contains("TOP-SECRET") && !errors.contains("TOP-SECRET"));
        QDirIterator it(root, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (it.fileInfo().isFile() && file.size() < 1024 * 1024
                && file.open(QIODevice::ReadOnly))
                QVERIFY2(!file.readAll().contains("TOP-SECRET"), qPrintable(it.filePath()));
        }
    }

    // Scripts that misbehave: the run ends when the script ends, with all it wrote, reported as
    // the end it had; nothing of the script is left running.
    void runnerSurvivesMisbehavingScripts_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("outputBytes");
        QTest::addColumn<qint64>("errorBytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");

        QTest::newRow("megabytes on both channels at once")
            << QByteArray("my $l = ('o' x 1023) . qq(\\n); my $e = ('e' x 1023) . qq(\\n);"
                          " for (1 .. 4096) { syswrite STDOUT, $l; syswrite STDERR, $e; } exit 4;")
            << qint64(4096 * 1024) << qint64(4096 * 1024) << 4 << false;
        QTest::newRow("one line of eight megabytes, no line end")
            << QByteArray("syswrite STDOUT, 'x' x (8 * 1024 * 1024); exit 0;")
            << qint64(8 * 1024 * 1024) << qint64(0) << 0 << false;
        QTest::newRow("exits with both pipes full")
            << QByteArray("$| = 0; print STDOUT 'o' x 1000000; print STDERR 'e' x 1000000;"
                          " close STDOUT; close STDERR; exit 7;")
            << qint64(1000000) << qint64(1000000) << 7 << false;
        QTest::newRow("crashes after writing")
            << QByteArray("my $e = ('e' x 99 . qq(\\n)) x 10000; syswrite STDERR, $e;"
                          " kill 'SEGV', $$; sleep 600;")
            << qint64(0) << qint64(1000000) << 0 << true;
    }
    void runnerSurvivesMisbehavingScripts()
    {
        QFETCH(QByteArray, body);
        QFETCH(qint64, outputBytes);
        QFETCH(qint64, errorBytes);
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);

        qint64 output = 0;
        qint64 errors = 0;
        int ticks = 0;
        QString script;
        QVERIFY(writeScript(body, &script));
        QAScriptRunner runner(QStringLiteral("zyneditor"), script, {}, nullptr);
        // Line ends are dropped: count them back, the last line may lack one.
        connect(&runner, &QAScriptRunner::standardOutputLine, this,
                [&output](const QString &line) { output += line.size() + 1; });
        connect(&runner, &QAScriptRunner::standardErrorLine, this,
                [&errors](const QString &line) { errors += line.size() + 1; });
        // The event loop keeps turning while the script floods the pipes.
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(0);
        QSignalSpy finished(&runner, &QAScriptRunner::finished);
        QVERIFY(runner.start());
        QVERIFY(finished.wait(120000));
        ticker.stop();

        QCOMPARE(finished.count(), 1);
        QVERIFY(ticks > 0);
        QCOMPARE(runner.crashed(), crashed);
        if (!crashed)
            QCOMPARE(runner.exitCode(), exitCode);
        QVERIFY(runner.failed() == (crashed || exitCode != 0));
        QVERIFY(qAbs(output - outputBytes) <= 1);
        QVERIFY(qAbs(errors - errorBytes) <= 1);
    }

    // A script that hangs in a program of its own: stopping the run, or dropping the runner, ends
    // both, and a program left holding the pipes does not keep the run open.
    void noScriptProcessOutlivesTheRun_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("stopped") << QStringLiteral("kill");
        QTest::newRow("runner destroyed while running") << QStringLiteral("destroy");
        QTest::newRow("script exits, its child holds the pipes") << QStringLiteral("exit");
    }
    void noScriptProcessOutlivesTheRun()
    {
        QFETCH(QString, how);
        const QByteArray end = how == QLatin1String("exit") ? "exit 0;" : "waitpid $pid, 0;";
        QString script;
        QVERIFY(writeScript("STDOUT->autoflush(1);\nmy $pid = fork // die;\n"
                            "if (!$pid) { exec 'sleep', '600'; }\nprint qq($$ $pid\\n);\n"
                                + end,
                            &script));
        QList<qint64> pids;
        auto runner = std::make_unique<QAScriptRunner>(QStringLiteral("zyneditor"), script,
                                                       QStringList(), nullptr);
        connect(runner.get(), &QAScriptRunner::standardOutputLine, this,
                [&pids](const QString &line) {
                    for (const QString &word : line.split(QLatin1Char(' ')))
                        pids.append(word.toLongLong());
                });
        QVERIFY(runner->start());
        QTRY_VERIFY_WITH_TIMEOUT(pids.size() == 2, 60000);

        if (how == QLatin1String("kill")) {
            runner->kill();
            QVERIFY(runner->waitForFinished(60000));
            QVERIFY(runner->crashed());
        } else if (how == QLatin1String("destroy")) {
            runner.reset();
        } else {
            // The child of a script that ended well is its own business; the test's to clean up.
            const auto cleanup = qScopeGuard([&pids] { ::kill(pid_t(pids.at(1)), SIGKILL); });
            QVERIFY(runner->waitForFinished(60000));
            QVERIFY(!runner->failed());
            // Still there, pipes open, and yet the run has ended.
            QVERIFY(!processGone(pids.at(1)));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pids.at(0)), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pids.at(1)), 60000);
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"

#include "dialogs/qazynversion.h"
#include "sdk/qainstall.h"
#include "sdk/qaxmleditor.h"
#include "services/productflavour.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

// The version checker against fake and real zynver.pl scripts: the list it learns, how it
// classifies, the update command lines and how failed runs are reported.
class TestVersion : public QObject
{
    Q_OBJECT

private:
    // The fake script's behaviour for the next runs.
    static void fake(const QByteArray &stdoutText, const QByteArray &stderrText = QByteArray(),
                     int exitCode = 0, bool crash = false)
    {
        qputenv("FAKE_STDOUT", stdoutText);
        qputenv("FAKE_STDERR", stderrText);
        qputenv("FAKE_EXIT", QByteArray::number(exitCode));
        if (crash)
            qputenv("FAKE_CRASH", "1");
        else
            qunsetenv("FAKE_CRASH");
    }

    // Answers every error dialog, keeping the text it showed.
    void recordErrorDialogs(int count)
    {
        for (int i = 0; i < count; ++i) {
            m_dialogs->onExec([this](QDialog *dialog) {
                if (auto *plain = dialog->findChild<QPlainTextEdit *>())
                    m_errors.append(plain->toPlainText());
                else if (auto *rich = dialog->findChild<QTextEdit *>())
                    m_errors.append(rich->toPlainText());
                return int(QDialog::Accepted);
            });
        }
    }

    int execCount() const { return m_dialogs->asked(DialogKind::Exec).size(); }

    QString scratchFile(const QString &name) const
    {
        return m_env->scratch() + QLatin1Char('/') + name;
    }

    QTemporaryDir m_fakeTree;
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QStringList m_errors;

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no Perl interpreter");
        QVERIFY(TestFiles::copyTree(TestEnvironment::stagedTree(), m_fakeTree.path()));
        QVERIFY(TestFiles::copy(TestEnvironment::dataFile(QStringLiteral("scripts/fakezynver.pl")),
                                m_fakeTree.filePath(QStringLiteral("lib/scripts/zynver.pl"))));
    }
    void init()
    {
        m_env = std::make_unique<TestEnvironment>(m_fakeTree.path());
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_errors.clear();
        fake("V2007\nV2008\nV2009\n");
    }
    void cleanup()
    {
        for (const char *name : { "FAKE_STDOUT", "FAKE_STDERR", "FAKE_EXIT", "FAKE_CRASH",
                                  "FAKE_HANG", "FAKE_BIG_STDERR", "FAKE_ARGS_FILE", "ZYN_PERL" })
            qunsetenv(name);
        m_dialogs.reset();
        m_env.reset();
    }

    void classifies_data()
    {
        QTest::addColumn<QByteArray>("listed");
        QTest::addColumn<QString>("docVersion");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("unsupported");

        const QByteArray three("V2007\nV2008\nV2009\n");
        QTest::newRow("no version with an empty list")
            << QByteArray() << QString() << int(QAZYNVersion::VersionOutdated) << false;
        QTest::newRow("older version")
            << three << "V2008" << int(QAZYNVersion::VersionOutdated) << false;
        QTest::newRow("oldest version")
            << three << "V2007" << int(QAZYNVersion::VersionOutdated) << false;
        QTest::newRow("editor's own version")
            << three << "V2009" << int(QAZYNVersion::VersionCurrent) << false;
        QTest::newRow("newer version")
            << QByteArray("V2009\nV2010\n") << "V2010" << int(QAZYNVersion::VersionNewer) << false;
        QTest::newRow("letter case differs")
            << three << "v2008" << int(QAZYNVersion::VersionUnknown) << false;
        QTest::newRow("trailing blank")
            << three << "V2008 " << int(QAZYNVersion::VersionUnknown) << false;
        QTest::newRow("unlisted version")
            << three << "V1999" << int(QAZYNVersion::VersionUnknown) << false;
        QTest::newRow("editor's version missing from the list")
            << QByteArray("V2007\nV2008\n") << "V2008" << int(QAZYNVersion::VersionUnknown) << true;
        QTest::newRow("versioned document with an empty list")
            << QByteArray() << "V2009" << int(QAZYNVersion::VersionUnknown) << true;
    }
    void classifies()
    {
        QFETCH(QByteArray, listed);
        QFETCH(QString, docVersion);
        QFETCH(int, expected);
        QFETCH(bool, unsupported);

        fake(listed);
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        QCOMPARE(int(checker.checkVersion(docVersion)), expected);

        QCOMPARE(m_dialogs->questions().size(), unsupported ? 1 : 0);
        if (unsupported) {
            const auto box = m_dialogs->last();
            QCOMPARE(box.kind, DialogKind::Message);
            QCOMPARE(box.icon, QMessageBox::Critical);
            QCOMPARE(box.caption, QString::fromLatin1(productTitle()));
            QCOMPARE(box.text, QStringLiteral("Editor XDP version not supported by script"));
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }

    void readsTheList_data()
    {
        QTest::addColumn<QByteArray>("stdoutText");
        QTest::addColumn<QByteArray>("stderrText");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crash");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("shown");

        QTest::newRow("empty lines skipped")
            << QByteArray("\nV2007\n\nV2008\nV2009\n\n") << QByteArray() << 0 << false
            << QStringList { "V2007", "V2008", "V2009" } << QString();
        QTest::newRow("blank-only line kept")
            << QByteArray("V2007\n   \nV2009\n") << QByteArray() << 0 << false
            << QStringList { "V2007", "   ", "V2009" } << QString();
        QTest::newRow("diagnostics of a good run not shown")
            << QByteArray("V2009\n") << QByteArray("note\n") << 0 << false
            << QStringList { "V2009" } << QString();
        QTest::newRow("only the last error line shown")
            << QByteArray("V2007\nV2008\n") << QByteArray("first\nsecond\nlast\n") << 2 << false
            << QStringList { "V2007", "V2008" }
            << QStringLiteral("Get Version List failed :\n lastV2007\nV2008");
        QTest::newRow("crashed script is a failure")
            << QByteArray("V2007\n") << QByteArray("dying\n") << 0 << true
            << QStringList { "V2007" } << QStringLiteral("Get Version List failed :\n dyingV2007");
    }
    void readsTheList()
    {
        QFETCH(QByteArray, stdoutText);
        QFETCH(QByteArray, stderrText);
        QFETCH(int, exitCode);
        QFETCH(bool, crash);
        QFETCH(QStringList, list);
        QFETCH(QString, shown);

        fake(stdoutText, stderrText, exitCode, crash);
        recordErrorDialogs(1);
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        QCOMPARE(checker.versionList(), list);
        QCOMPARE(m_errors, shown.isEmpty() ? QStringList() : QStringList { shown });
        QCOMPARE(execCount(), m_errors.size());
    }

    void stopsAHangingListScript()
    {
        fake("V2007\n", "working\n");
        qputenv("FAKE_HANG", "1");
        recordErrorDialogs(1);
        QAZYNVersion checker(QStringLiteral("zyneditor"), 200);
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().startsWith(QStringLiteral("Get Version List failed :\n ")));
        QVERIFY(m_errors.first().contains(QStringLiteral("was stopped")));
        QCOMPARE(checker.versionList(), QStringList { "V2007" });
    }

    void reportsAListScriptThatCannotStart()
    {
        const QString missing = m_env->scratch() + QStringLiteral("/no-such-perl");
        qputenv("ZYN_PERL", QFile::encodeName(missing));
        recordErrorDialogs(1);
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        QCOMPARE(m_errors,
                 QStringList { missing + QStringLiteral(" -w ")
                               + QAInstall::scriptPath(QString(), QStringLiteral("zynver.pl"))
                               + QStringLiteral(" -list\nUnable to run command") });
        QVERIFY(checker.versionList().isEmpty());
        QCOMPARE(int(checker.checkVersion(QStringLiteral("V2009"))),
                 int(QAZYNVersion::VersionUnknown));
    }

    // The window starts the list run first and awaits it before opening a document: the list
    // and any failure arrive at the wait, never lost and never twice.
    void listsInTheBackground()
    {
        fake("V2007\nV2009\n");
        recordErrorDialogs(1);
        QAZYNVersion checker(QStringLiteral("zyneditor"), QAZYNVersion::DefaultTimeLimit,
                             QAZYNVersion::ListInBackground);
        checker.waitForVersionList();
        checker.waitForVersionList();
        QCOMPARE(checker.versionList(), QStringList({ "V2007", "V2009" }));
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(int(checker.checkVersion(QStringLiteral("V2007"))),
                 int(QAZYNVersion::VersionOutdated));
    }

    // A list that is complete by the time it is awaited is read without turning the event loop:
    // nothing else of the window runs in the middle of its construction.
    void readsAFinishedListAtOnce()
    {
        fake("V2008\n");
        QAZYNVersion checker(QStringLiteral("zyneditor"), QAZYNVersion::DefaultTimeLimit,
                             QAZYNVersion::ListInBackground);
        // The fake ends within milliseconds; it is given far longer.
        QThread::msleep(1000);
        bool posted = false;
        QTimer::singleShot(0, this, [&posted] { posted = true; });
        checker.waitForVersionList();
        QCOMPARE(checker.versionList(), QStringList { "V2008" });
        QVERIFY(!posted);
        QTRY_VERIFY(posted);
    }

    void reportsABackgroundStartFailureWhereAwaited()
    {
        qputenv("ZYN_PERL", QFile::encodeName(m_env->scratch() + QStringLiteral("/no-perl")));
        recordErrorDialogs(2);
        QAZYNVersion checker(QStringLiteral("zyneditor"), QAZYNVersion::DefaultTimeLimit,
                             QAZYNVersion::ListInBackground);
        QVERIFY(m_errors.isEmpty());
        // Classifying waits for the list first.
        QCOMPARE(int(checker.checkVersion(QStringLiteral("V2009"))),
                 int(QAZYNVersion::VersionUnknown));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().endsWith(QStringLiteral("\nUnable to run command")));
        checker.waitForVersionList();
        QCOMPARE(m_errors.size(), 1);
    }

    void buildsTheUpdateCommandLine_data()
    {
        QTest::addColumn<QString>("docVersion");
        QTest::addColumn<QStringList>("afterPath");

        QTest::newRow("document with a version")
            << "V2008" << QStringList { "-fromver", "V2008", "-tover", "V2009" };
        QTest::newRow("document without a version")
            << QString() << QStringList { "-tover", "V2009" };
    }
    void buildsTheUpdateCommandLine()
    {
        QFETCH(QString, docVersion);
        QFETCH(QStringList, afterPath);

        QAZYNVersion checker(QStringLiteral("zyneditor"));
        const QString record = scratchFile(QStringLiteral("arguments.txt"));
        qputenv("FAKE_ARGS_FILE", QFile::encodeName(record));
        const QString document = scratchFile(QStringLiteral("my doc.xdp"));
        QVERIFY(checker.updateFile(document, docVersion));

        const QStringList arguments = QString::fromLocal8Bit(TestFiles::read(record)).split('\n');
        QCOMPARE(arguments, QStringList({ "-update", document }) + afterPath + QStringList { "" });
        QVERIFY(m_dialogs->questions().isEmpty());
    }

    void reportsAFailedUpdate_data()
    {
        QTest::addColumn<QByteArray>("stdoutText");
        QTest::addColumn<QByteArray>("stderrText");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crash");
        QTest::addColumn<QString>("shown");

        QTest::newRow("success shows nothing")
            << QByteArray("converted\n") << QByteArray() << 0 << false << QString();
        QTest::newRow("exit status 1") << QByteArray() << QByteArray("reading\nbad document\n") << 1
                                       << false << QStringLiteral("Update failed : bad document");
        QTest::newRow("crashed script") << QByteArray("converting\n") << QByteArray() << 0 << true
                                        << QStringLiteral("Update failed : converting");
    }
    void reportsAFailedUpdate()
    {
        QFETCH(QByteArray, stdoutText);
        QFETCH(QByteArray, stderrText);
        QFETCH(int, exitCode);
        QFETCH(bool, crash);
        QFETCH(QString, shown);

        QAZYNVersion checker(QStringLiteral("zyneditor"));
        fake(stdoutText, stderrText, exitCode, crash);
        recordErrorDialogs(1);
        QVERIFY(checker.updateFile(scratchFile(QStringLiteral("a.xdp")), QStringLiteral("V2008")));
        QCOMPARE(m_errors, shown.isEmpty() ? QStringList() : QStringList { shown });
        QCOMPARE(execCount(), m_errors.size());
    }

    void keepsReadingABigUpdateOutput()
    {
        // Far more than a pipe holds: a wait that does not read would never end.
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        fake(QByteArray(), "the last word\n", 1);
        qputenv("FAKE_BIG_STDERR", "1048576");
        recordErrorDialogs(1);
        QVERIFY(checker.updateFile(scratchFile(QStringLiteral("a.xdp")), QString()));
        QCOMPARE(m_errors, QStringList { "Update failed : the last word" });
    }

    void reportsAnUpdateThatCannotStart()
    {
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        qputenv("ZYN_PERL", QFile::encodeName(m_env->scratch() + QStringLiteral("/no-perl")));
        QVERIFY(!checker.updateFile(scratchFile(QStringLiteral("a.xdp")), QStringLiteral("V2008")));
        QVERIFY(m_dialogs->questions().isEmpty());
    }

    void realScriptConvertsAnOlderDocument()
    {
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>();
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        QCOMPARE(checker.versionList(), QStringList({ "V2007", "V2008", "V2009" }));

        const QString path = scratchFile(QStringLiteral("old.xdp"));
        QVERIFY(TestFiles::write(
            path,
            "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN Name=\"demo\" Version=\"V2008\">"
            "<LIBCONF><CHOICE><CHOICEDATA Name=\"a\"/></CHOICE></LIBCONF></ZYN>\n"));

        QDomDocument document;
        QString version = QAXmlEditor::readRootElement(path, document).attribute("Version");
        QCOMPARE(int(checker.checkVersion(version)), int(QAZYNVersion::VersionOutdated));
        QVERIFY(checker.updateFile(path, version));
        QVERIFY(m_dialogs->questions().isEmpty());

        const QDomElement root = QAXmlEditor::readRootElement(path, document);
        QCOMPARE(int(checker.checkVersion(root.attribute("Version"))),
                 int(QAZYNVersion::VersionCurrent));
        QCOMPARE(root.attribute("Name"), QStringLiteral("demo"));
        QCOMPARE(
            root.firstChildElement().firstChildElement().firstChildElement().attribute("Sensitive"),
            QStringLiteral("0"));
    }

    void realScriptRefusesAMalformedDocument()
    {
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>();
        QAZYNVersion checker(QStringLiteral("zyneditor"));
        const QString path = scratchFile(QStringLiteral("broken.xdp"));
        QVERIFY(TestFiles::write(path, "<ZYN Version=\"V2008\"><IS>"));
        recordErrorDialogs(1);
        QVERIFY(checker.updateFile(path, QStringLiteral("V2008")));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors.first().startsWith(QStringLiteral("Update failed : zynver.pl: ")),
                 qPrintable(m_errors.first()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<ZYN Version=\"V2008\"><IS>"));
    }
};

QTEST_MAIN(TestVersion)
#include "tst_version.moc"

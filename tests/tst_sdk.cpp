#include "sdk/getpix.h"
#include "sdk/qabackgroundicon.h"
#include "sdk/qafileutil.h"
#include "sdk/qainstall.h"
#include "sdk/qalogmessagebox.h"
#include "sdk/qares.h"
#include "sdk/qauserlibrary.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTest>

// Records what an installation step reports.
class RecordingMonitor : public QAILogMonitor
{
public:
    void log(const QString &message) override { messages << message; }
    void done() override { ++doneCalls; }
    QStringList messages;
    int doneCalls = 0;
};

// The SDK services as their callers rely on them.
class TestSdk : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    QByteArray m_home;

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        // Test mode puts the per-user data under $HOME: keep it in the scratch home.
        m_home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_env->home()));
    }
    void cleanup()
    {
        qputenv("HOME", m_home);
        m_env.reset();
    }

    void resourceFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("kind"); // "group", "string" or "none"
        QTest::addColumn<QString>("value");

        const QByteArray web = "url.home = https://home.example/\n";
        QTest::newRow("dotted key makes a group") << web << "url"
                                                  << "group"
                                                  << "";
        QTest::newRow("string inside the group") << web << "url.home"
                                                 << "string"
                                                 << "https://home.example/";
        QTest::newRow("missing key") << web << "url.support"
                                     << "none"
                                     << "";
        QTest::newRow("a string is no group") << web << "url.home.x"
                                              << "none"
                                              << "";
        QTest::newRow("hash comment") << QByteArray("# url.home = a\n") << "url.home"
                                      << "none"
                                      << "";
        QTest::newRow("bang comment") << QByteArray("! url.home = a\n") << "url"
                                      << "none"
                                      << "";
        QTest::newRow("value keeps its equal signs")
            << QByteArray("url.q = https://a.example/?x=1&y=2\n") << "url.q"
            << "string"
            << "https://a.example/?x=1&y=2";
        QTest::newRow("blanks around key parts and value")
            << QByteArray("  url . home   =   two words  \n") << "url.home"
            << "string"
            << "two words";
        QTest::newRow("empty value") << QByteArray("url.home =\n") << "url.home"
                                     << "string"
                                     << "";
        QTest::newRow("lines without a key are skipped")
            << QByteArray("= lost\nno key here\nurl.home = kept\n") << "url.home"
            << "string"
            << "kept";
        QTest::newRow("last value wins") << QByteArray("url.home = a\nurl.home = b\n") << "url.home"
                                         << "string"
                                         << "b";
        QTest::newRow("Windows line ends")
            << QByteArray("url.home = a\r\nurl.x = b\r\n") << "url.home"
            << "string"
            << "a";
        QTest::newRow("deeper groups") << QByteArray("a.b.c = deep\n") << "a.b"
                                       << "group"
                                       << "";
    }
    void resourceFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, kind);
        QFETCH(QString, value);

        const QString path = m_env->scratch() + QStringLiteral("/web.properties");
        QVERIFY(TestFiles::write(path, content));
        const auto resources = QARes::read(path, false);
        QVERIFY(resources);
        const QARes *node = resources->search(key);
        if (kind == "none") {
            QVERIFY(!node);
        } else if (kind == "group") {
            QVERIFY(node && node->toResGroup());
            QVERIFY(!node->toResString());
        } else {
            QVERIFY(node && node->toResString());
            QCOMPARE(node->toResString()->string(), value);
        }
    }

    void resourceFileUnreadable()
    {
        QVERIFY(!QARes::read(m_env->scratch() + "/missing.properties", false));
        QVERIFY(!QARes::read(m_env->scratch(), false));
    }

    void generateFilename_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain name unchanged") << "gcc-linux.xdp"
                                              << "gcc-linux.xdp";
        QTest::newRow("blanks become underscores") << "my target\tv2.xdp"
                                                   << "my_target_v2.xdp";
        QTest::newRow("path separators dropped") << "../a/b\\c.xdp"
                                                 << "..abc.xdp";
        QTest::newRow("wildcards and pipes dropped") << "a*b?c|d~e+f.xdp"
                                                     << "abcdef.xdp";
        QTest::newRow("quotes, colon and comma dropped") << "\"a\",'b':`c`.xdp"
                                                         << "abc.xdp";
        QTest::newRow("letters beyond ASCII kept") << "Zürich.xdp"
                                                   << "Zürich.xdp";
        QTest::newRow("empty") << ""
                               << "";
    }
    void generateFilename()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(QAFileUtil::generateFilename(name), expected);
    }

    void installationPaths_data()
    {
        QTest::addColumn<QString>("corvindir");
        QTest::addColumn<QString>("install");
        QTest::newRow("plain") << "/opt/corvin"
                               << "/opt/corvin";
        QTest::newRow("trailing separator") << "/opt/corvin/"
                                            << "/opt/corvin";
        QTest::newRow("dotted segments") << "/opt/./x/../corvin"
                                         << "/opt/corvin";
    }
    void installationPaths()
    {
        QFETCH(QString, corvindir);
        QFETCH(QString, install);
        qputenv("CORVINDIR", QFile::encodeName(corvindir));
        const QString program = "/usr/bin/zyneditor";
        QCOMPARE(QAInstall::installDir(program), install);
        QCOMPARE(QAInstall::targetDir(program), install + "/targets");
        QCOMPARE(QAInstall::helpDir(program), install + "/doc");
        QCOMPARE(QAInstall::scriptPath(program, "zyngen.pl"), install + "/lib/scripts/zyngen.pl");
        QVERIFY(!QAInstall::applicationData(program).isEmpty());
    }

    void perlCommand()
    {
        qunsetenv("ZYN_PERL");
        QStringList words = QAInstall::perlCommand(QString());
        QVERIFY(words.size() >= 2);
        QCOMPARE(words.at(1), QStringLiteral("-w"));
        qputenv("ZYN_PERL", "/opt/perl/bin/perl");
        words = QAInstall::perlCommand(QString());
        qunsetenv("ZYN_PERL");
        QCOMPARE(words, QStringList({ "/opt/perl/bin/perl", "-w" }));
    }

    // GETPIX and the icons decoded in the background find the same picture: the installation's,
    // else the built-in one.
    void pixmaps_data()
    {
        QTest::addColumn<QString>("installed"); // none, png, bmp (under the .png name), junk
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QSize>("size"); // empty: no picture at all
        const QSize builtin = QImage(":/images/new.png").size();
        QTest::newRow("installation icon preferred") << "png"
                                                     << ":/images/new.png" << QSize(7, 5);
        QTest::newRow("built-in image without one") << "none"
                                                    << ":/images/new.png" << builtin;
        QTest::newRow("installed picture of another format") << "bmp"
                                                             << ":/images/new.png" << QSize(7, 5);
        QTest::newRow("unreadable installed picture") << "junk"
                                                      << ":/images/new.png" << builtin;
        QTest::newRow("neither") << "none"
                                 << ":/images/nothing.png" << QSize();
    }
    void pixmaps()
    {
        QFETCH(QString, installed);
        QFETCH(QString, fallback);
        QFETCH(QSize, size);
        const QString tree = m_env->scratch() + "/tree";
        QVERIFY(QDir().mkpath(tree + "/lib/pixmap/icons"));
        const QString file = tree + "/lib/pixmap/icons/new.png";
        if (installed == "png" || installed == "bmp") {
            QImage image(7, 5, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(file, installed == "png" ? "PNG" : "BMP"));
        } else if (installed == "junk") {
            QVERIFY(TestFiles::write(file, "not a picture"));
        }
        qputenv("CORVINDIR", QFile::encodeName(tree));
        QCOMPARE(builtinImage("new_xpm"), QStringLiteral(":/images/new.png"));

        const QPixmap pixmap = GETPIX("new_xpm", fallback);
        QCOMPARE(pixmap.isNull(), size.isEmpty());
        const QIcon icon = QABackgroundIcon::load("new_xpm", fallback);
        QCOMPARE(icon.isNull(), size.isEmpty());
        if (size.isEmpty())
            return;
        QCOMPARE(pixmap.size(), size);
        QCOMPARE(icon.availableSizes(), QList<QSize>({ size }));
        const QIcon copy = icon; // copies share the one decoding
        QCOMPARE(copy.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                 pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    }

    void userLibraryCopiesMissingTemplates()
    {
        const QString destination = QAInstall::applicationData(QString()) + "/targets/xml";
        QVERIFY(destination.startsWith(m_env->home()));
        QVERIFY(QDir().mkpath(destination));
        QFile::remove(destination + "/templatec.xdp");
        QVERIFY(TestFiles::write(destination + "/templatec.xdp", "the user's own"));

        RecordingMonitor monitor;
        QVERIFY(QAUserLibrary::checkAndInstall("Product", &monitor, QString()));
        QCOMPARE(monitor.messages, QStringList());
        QCOMPARE(monitor.doneCalls, 1);

        const QString source = TestEnvironment::stagedTree() + "/targets/xml";
        for (const char *name : { "templatea.xdp", "templatej2se.xdp", "templatej2me.xdp" })
            QCOMPARE(TestFiles::read(destination + '/' + name),
                     TestFiles::read(source + '/' + name));
        // An existing copy is the user's: never overwritten.
        QCOMPARE(TestFiles::read(destination + "/templatec.xdp"), QByteArray("the user's own"));
    }

    void userLibraryReportsMissingSource()
    {
        const QString tree = m_env->scratch() + "/empty-tree";
        QVERIFY(QDir().mkpath(tree));
        qputenv("CORVINDIR", QFile::encodeName(tree));
        RecordingMonitor monitor;
        QVERIFY(!QAUserLibrary::checkAndInstall("Product", &monitor, QString()));
        QCOMPARE(monitor.messages.size(), 1);
        QVERIFY2(monitor.messages.constFirst().contains(QDir::toNativeSeparators(tree)),
                 qPrintable(monitor.messages.constFirst()));
        QCOMPARE(monitor.doneCalls, 1);
    }

    void logBoxShowsEverythingOnce()
    {
        ScriptedDialogs dialogs;
        QALogMessageBox quiet("Nothing to say", nullptr);
        quiet.done();
        QCOMPARE(dialogs.questions().size(), 0);

        QALogMessageBox box("Install Library Files Error", nullptr);
        box.log("first problem");
        box.log("second problem");
        box.done();
        QCOMPARE(dialogs.questions().size(), 1);
        QCOMPARE(dialogs.last().caption, QStringLiteral("Install Library Files Error"));
        QCOMPARE(dialogs.last().text, QStringLiteral("first problem\nsecond problem"));
        QCOMPARE(dialogs.last().icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(TestSdk)
#include "tst_sdk.moc"

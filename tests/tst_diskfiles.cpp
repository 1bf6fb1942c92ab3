#include "document/qadiskwatch.h"
#include "document/qadocumentlock.h"
#include "document/qafilesaver.h"
#include "document/qarecoverystore.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char ChildLock[] = "ZYN_DISKFILES_LOCK";
const char ChildSave[] = "ZYN_DISKFILES_SAVE";
const char ChildLimit[] = "ZYN_DISKFILES_FSIZE";
const char ChildUser[] = "ZYN_DISKFILES_USER";

// Child modes: hold the lock on a document until killed, or save (as another user, under a file
// size limit with SIGXFSZ left at its default) and report whether the save said it worked.
int runChild()
{
    if (qEnvironmentVariableIsSet(ChildLock)) {
        QADocumentLock lock;
        if (lock.acquire(qEnvironmentVariable(ChildLock)) != QADocumentLock::Result::Acquired)
            return 2;
        std::puts("locked");
        std::fflush(stdout);
        ::pause();
        return 0;
    }
    if (qEnvironmentVariableIsSet(ChildUser)) {
        const auto id = qEnvironmentVariable(ChildUser).toUInt();
        if (::setgid(gid_t(id)) != 0 || ::setuid(uid_t(id)) != 0)
            return 2;
    }
    if (qEnvironmentVariableIsSet(ChildLimit)) {
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = qEnvironmentVariable(ChildLimit).toULongLong();
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    const QByteArray bytes(64 * 1024, 'n');
    return QAFileSaver::save(qEnvironmentVariable(ChildSave), bytes) ? 0 : 3;
}

// What another program does to replace a file: write a new one and rename it over the old.
bool replaceAtomically(const QString &path, const QByteArray &bytes)
{
    const QString temporary = path + QStringLiteral(".new");
    return TestFiles::write(temporary, bytes)
        && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData())
        == 0;
}

struct stat statOf(const QString &path)
{
    struct stat info
    {
    };
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

} // namespace

// The pieces that keep the document's file safe: the watch on it, the lock against a second
// editor, the recovery copies and the saver.
class TestDiskFiles : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        if (qEnvironmentVariableIsSet(ChildLock) || qEnvironmentVariableIsSet(ChildSave))
            std::exit(runChild());
    }

private:
    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void watchReportsChangesOnce_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reported");
        QTest::newRow("rewritten") << "rewrite" << true;
        QTest::newRow("replaced by rename") << "rename" << true;
        QTest::newRow("deleted") << "delete" << true;
        QTest::newRow("touched only") << "touch" << false;
        QTest::newRow("own save remembered") << "own" << false;
    }
    void watchReportsChangesOnce()
    {
        QFETCH(QString, change);
        QFETCH(bool, reported);
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), "<ZYN/>\n", &path));
        QADiskWatch watch;
        watch.watch(path);
        QSignalSpy spy(&watch, &QADiskWatch::changedOnDisk);
        QTest::qWait(50);

        if (change == QLatin1String("rewrite")) {
            QVERIFY(TestFiles::write(path, "<ZYN Name=\"other\"/>\n"));
        } else if (change == QLatin1String("rename")) {
            QVERIFY(replaceAtomically(path, "<ZYN Name=\"other\"/>\n"));
        } else if (change == QLatin1String("delete")) {
            QVERIFY(QFile::remove(path));
        } else if (change == QLatin1String("touch")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                     QFileDevice::FileModificationTime));
        } else {
            QVERIFY(TestFiles::write(path, "<ZYN Name=\"mine\"/>\n"));
            watch.remember();
        }
        if (reported)
            QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(400);
        QCOMPARE(spy.count(), reported ? 1 : 0);
        QCOMPARE(watch.differsOnDisk(), reported);
        QCOMPARE(watch.isGone(), change == QLatin1String("delete"));
        // Checking again (the window was activated) does not ask a second time.
        watch.check();
        QCOMPARE(spy.count(), reported ? 1 : 0);
    }

    // After a replacement the watch must still see the next change.
    void watchSurvivesReplacements()
    {
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), "<ZYN/>\n", &path));
        QADiskWatch watch;
        watch.watch(path);
        QSignalSpy spy(&watch, &QADiskWatch::changedOnDisk);
        QVERIFY(replaceAtomically(path, "<ZYN Name=\"one\"/>\n"));
        QTRY_COMPARE(spy.count(), 1);
        watch.remember(); // reloaded
        QVERIFY(replaceAtomically(path, "<ZYN Name=\"two\"/>\n"));
        QTRY_COMPARE(spy.count(), 2);
        watch.remember();
        QVERIFY(TestFiles::write(path, "<ZYN Name=\"three\"/>\n"));
        QTRY_COMPARE(spy.count(), 3);
        // A new state after one the user answered for is asked about again.
        QVERIFY(TestFiles::write(path, "<ZYN Name=\"four\"/>\n"));
        QTRY_COMPARE(spy.count(), 4);
    }

    void lockTellsTheSecondEditor()
    {
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), "<ZYN/>\n", &path));
        QADocumentLock first;
        QCOMPARE(first.acquire(path), QADocumentLock::Result::Acquired);
        QADocumentLock second;
        // Another name of the same file meets the same lock.
        const QString link = m_env->scratch() + QStringLiteral("/link.xdp");
        QVERIFY(QFile::link(path, link));
        QCOMPARE(second.acquire(link), QADocumentLock::Result::HeldElsewhere);
        QVERIFY(second.holder().contains(QString::number(QCoreApplication::applicationPid())));
        first.release();
        QCOMPARE(second.acquire(path), QADocumentLock::Result::Acquired);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".lock")));
    }

    // A lock left by a process that was killed does not stop the next editor.
    void lockOfAKilledProcessIsStale()
    {
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), "<ZYN/>\n", &path));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(ChildLock), path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForReadyRead(30000));
        QADocumentLock lock;
        QCOMPARE(lock.acquire(path), QADocumentLock::Result::HeldElsewhere);
        child.kill();
        QVERIFY(child.waitForFinished());
        QVERIFY(QFileInfo::exists(QADocumentLock::lockPathFor(path)));
        QCOMPARE(lock.acquire(path), QADocumentLock::Result::Acquired);
    }

    void recoveryIsOfferedWhenItHoldsMore_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer and different") << "newer" << true;
        QTest::newRow("document saved after it") << "older" << false;
        QTest::newRow("same bytes as the document") << "same" << false;
        QTest::newRow("document deleted") << "deleted" << true;
        QTest::newRow("no copy") << "none" << false;
    }
    void recoveryIsOfferedWhenItHoldsMore()
    {
        QFETCH(QString, situation);
        QFETCH(bool, offered);
        const QByteArray original = "<ZYN Name=\"saved\"/>\n";
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("docs/doc.xdp"), original, &path));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime);
        }
        if (situation != QLatin1String("none"))
            QVERIFY(QARecoveryStore::write(
                path, situation == QLatin1String("same") ? original : "<ZYN Name=\"work\"/>\n"));
        if (situation == QLatin1String("older")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                             QFileDevice::FileModificationTime);
        }
        if (situation == QLatin1String("deleted"))
            QVERIFY(QFile::remove(path));

        QCOMPARE(QARecoveryStore::hasRecoveryFor(path), offered);
        // The copy is found by any spelling of the path, and never written over the document.
        QCOMPARE(QARecoveryStore::hasRecoveryFor(m_env->scratch()
                                                 + QStringLiteral("/docs/../docs/doc.xdp")),
                 offered);
        QVERIFY(QARecoveryStore::recoveryPathFor(path).startsWith(m_env->home()));
        if (situation != QLatin1String("deleted"))
            QCOMPARE(TestFiles::read(path), original);
        QARecoveryStore::remove(path);
        QVERIFY(!QARecoveryStore::hasRecoveryFor(path));
    }

    // A copy is due after a pause, or after the longest delay while changes go on.
    void recoveryCopyIsDueAfterAPause()
    {
        QARecoveryStore store;
        store.setDelays(150, 600);
        QSignalSpy due(&store, &QARecoveryStore::due);
        store.noteChange();
        QTRY_COMPARE(due.count(), 1);

        QElapsedTimer clock;
        clock.start();
        while (due.count() == 1 && clock.elapsed() < 5000) {
            store.noteChange();
            QTest::qWait(50);
        }
        QCOMPARE(due.count(), 2);
        QVERIFY(clock.elapsed() >= 500);

        store.noteChange();
        store.cancel();
        QTest::qWait(300);
        QCOMPARE(due.count(), 2);
    }

    void saveKeepsWhatTheFileIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("method");
        QTest::newRow("plain file") << "plain" << int(QAFileSaver::Method::Replace);
        QTest::newRow("unusual mode") << "mode" << int(QAFileSaver::Method::Replace);
        QTest::newRow("symbolic link") << "symlink" << int(QAFileSaver::Method::Replace);
        QTest::newRow("hard link") << "hardlink" << int(QAFileSaver::Method::InPlace);
        QTest::newRow("read-only directory") << "rodir" << int(QAFileSaver::Method::InPlace);
        QTest::newRow("new file") << "new" << int(QAFileSaver::Method::Replace);
        // Only root can give a file away; another user's file keeps its owner.
        QTest::newRow("another user's file") << "owner" << int(QAFileSaver::Method::InPlace);
    }
    void saveKeepsWhatTheFileIs()
    {
        QFETCH(QString, kind);
        QFETCH(int, method);
        const QString directory = m_env->scratch() + QStringLiteral("/dir");
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("dir/doc.xdp"), "<ZYN Name=\"old\"/>\n", &path));
        QString other;
        if (kind == QLatin1String("mode")) {
            QVERIFY(QFile::setPermissions(
                path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup));
        } else if (kind == QLatin1String("symlink")) {
            other = m_env->scratch() + QStringLiteral("/shortcut.xdp");
            QVERIFY(QFile::link(path, other));
            std::swap(path, other);
        } else if (kind == QLatin1String("hardlink")) {
            other = m_env->scratch() + QStringLiteral("/second.xdp");
            QCOMPARE(
                ::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                0);
        } else if (kind == QLatin1String("new")) {
            QVERIFY(QFile::remove(path));
        } else if (kind == QLatin1String("owner")) {
            if (::geteuid() != 0)
                QSKIP("only root can make a file of another user's");
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 4321, 4321), 0);
        } else if (kind == QLatin1String("rodir") && ::geteuid() == 0) {
            QSKIP("root writes into a read-only directory anyway");
        }
        const struct stat before = statOf(path);
        if (kind == QLatin1String("rodir"))
            QVERIFY(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner));

        QCOMPARE(int(QAFileSaver::methodFor(path)), method);
        const QByteArray bytes = "<ZYN Name=\"new\"/>\n";
        const bool saved = QAFileSaver::save(path, bytes);
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(saved);
        QCOMPARE(TestFiles::read(path), bytes);

        const struct stat after = statOf(path);
        if (kind != QLatin1String("new")) {
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_uid, before.st_uid);
            QCOMPARE(after.st_gid, before.st_gid);
        }
        if (kind == QLatin1String("symlink")) {
            QVERIFY(S_ISLNK(after.st_mode));
            QCOMPARE(TestFiles::read(other), bytes);
        }
        if (kind == QLatin1String("hardlink")) {
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(TestFiles::read(other), bytes);
        }
        QCOMPARE(QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList { QStringLiteral("doc.xdp") });
    }

    // Root writes anywhere: the read-only directory is tried by an ordinary user.
    void saveInAReadOnlyDirectoryAsAnotherUser()
    {
        if (::geteuid() != 0)
            QSKIP("the read-only directory row of saveKeepsWhatTheFileIs covers it");
        const uid_t nobody = 65534;
        QTemporaryDir shared(QDir::tempPath() + QStringLiteral("/zyn-rodir-XXXXXX"));
        QVERIFY(shared.isValid());
        QVERIFY(QFile::setPermissions(shared.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          | QFile::ReadOther | QFile::ExeOther));
        const QString path = shared.filePath(QStringLiteral("doc.xdp"));
        QVERIFY(TestFiles::write(path, "<ZYN/>\n"));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
        const struct stat before = statOf(path);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(ChildSave), path);
        environment.insert(QLatin1String(ChildUser), QString::number(nobody));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(TestFiles::read(path), QByteArray(64 * 1024, 'n'));
        const struct stat after = statOf(path);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_uid, nobody);
        QCOMPARE(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList { QStringLiteral("doc.xdp") });
    }

    // Past a file size limit, the save fails and the process lives on, whatever the method.
    void saveUnderAFileSizeLimit_data()
    {
        QTest::addColumn<bool>("hardLinked");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("replaced, nothing fits") << false << qint64(0);
        QTest::newRow("replaced, part fits") << false << qint64(4096);
        QTest::newRow("in place, nothing fits") << true << qint64(0);
        QTest::newRow("in place, part fits") << true << qint64(4096);
    }
    void saveUnderAFileSizeLimit()
    {
        QFETCH(bool, hardLinked);
        QFETCH(qint64, limit);
        const QByteArray original(1000, 'o');
        QString path;
        QVERIFY(m_env->writeScratch(QStringLiteral("doc.xdp"), original, &path));
        if (hardLinked)
            QCOMPARE(::link(QFile::encodeName(path).constData(),
                            QFile::encodeName(path + QStringLiteral(".2")).constData()),
                     0);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(ChildSave), path);
        environment.insert(QLatin1String(ChildLimit), QString::number(limit));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(TestFiles::read(path), original);
    }
};

QTEST_GUILESS_MAIN(TestDiskFiles)
#include "tst_diskfiles.moc"

#include "document/qazynwriter.h"
#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace {

// Exit statuses of the saving child.
enum ChildStatus { Saved = 0, SetupFailed = 2, SaveFailed = 3 };

const char ChildMode[] = "ZYN_SAVEFAULTS_CHILD";
const QString EditedLabel = QStringLiteral("edited before the save");

// The save as the editor does it: the writer's bytes, checked, through a QSaveFile.
bool saveDocument(const QString &path, const QDomElement &root, const QAAttributeOrder &order)
{
    const QByteArray bytes = QAZynWriter(&order).write(root);
    QSaveFile file(path);
    return QAZynWriter::isWellFormed(bytes) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size() && file.commit();
}

// Loads the document, edits it and saves it over itself; the status tells what happened.
int runChild(const QString &path)
{
    int argc = 1;
    char name[] = "tst_savefaults";
    char *argv[] = { name, nullptr };
    QApplication application(argc, argv);
    QDomDocument document;
    QAAttributeOrder order;
    QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
    if (root.isNull())
        return SetupFailed;
    root.setAttribute(QStringLiteral("Label"), EditedLabel);
    return saveDocument(path, root, order) ? Saved : SaveFailed;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A save that fails part-way leaves the previous file as it was and says so.
class TestSaveFaults : public QObject
{
    Q_OBJECT

public:
    // The test runs itself as the saving child, under a file size limit set between fork and exec.
    static void initMain()
    {
        if (qEnvironmentVariableIsSet(ChildMode))
            std::exit(runChild(qEnvironmentVariable(ChildMode)));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void fullDiskKeepsThePreviousFile_data()
    {
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no byte fits") << qint64(0) << false;
        QTest::newRow("disk fills part-way") << qint64(8192) << false;
        // Proves the harness: with room, the same child saves.
        QTest::newRow("room for the whole save") << qint64(16 * 1024 * 1024) << true;
    }
    void fullDiskKeepsThePreviousFile()
    {
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, saved);
        const QString path = m_env->copyToScratch(
            TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/templatec.xdp"),
            QStringLiteral("doc.xdp"));
        const QByteArray before = readAll(path);
        QVERIFY(before.size() > 2 * 8192);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(ChildMode), path);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Runs in the child between fork and exec: the limit and the ignored signal survive exec,
        // so a write past the limit fails with EFBIG instead of killing the child.
        child.setChildProcessModifier([sizeLimit] {
            const rlimit limit { rlim_t(sizeLimit), rlim_t(sizeLimit) };
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN);
        });
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), saved ? int(Saved) : int(SaveFailed));

        const QByteArray after = readAll(path);
        if (saved) {
            QVERIFY(after.contains(EditedLabel.toUtf8()));
        } else {
            QCOMPARE(after, before);
        }
        // No temporary file left beside it.
        QCOMPARE(QDir(m_env->scratch()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList { QStringLiteral("doc.xdp") });
    }

    void vanishedDirectoryFailsTheSave()
    {
        const QString directory = m_env->scratch() + QStringLiteral("/gone");
        QVERIFY(QDir().mkpath(directory));
        const QString path = m_env->copyToScratch(TestEnvironment::stagedTree()
                                                  + QStringLiteral("/targets/xml/templatea.xdp"));
        QDomDocument document;
        QAAttributeOrder order;
        const QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
        QVERIFY(!root.isNull());
        QVERIFY(QDir(directory).removeRecursively());

        QVERIFY(!saveDocument(directory + QStringLiteral("/doc.xdp"), root, order));
        QVERIFY(!QFileInfo::exists(directory));
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"

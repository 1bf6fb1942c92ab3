#include "lifecyclefixture.h"

#include "document/domtext.h"
#include "document/qazyneditor.h"
#include "document/qazynwriter.h"
#include "sdk/qaxmleditor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Exit statuses of the saving child.
enum ChildStatus { Saved = 0, SetupFailed = 2, SaveFailed = 3, WrongModifiedFlag = 4 };

// The child's orders, through its environment: the document, how to save it (through a main
// window, or with the bare writer), where to, and what to edit first.
const char ChildMode[] = "ZYN_SAVEFAULTS_CHILD";
const char ChildSaver[] = "ZYN_SAVEFAULTS_SAVER";
const char ChildTarget[] = "ZYN_SAVEFAULTS_TARGET";
const char ChildLabel[] = "ZYN_SAVEFAULTS_LABEL";
const char ChildFileSizeLimit[] = "ZYN_SAVEFAULTS_FSIZE";
const QString EditedLabel = QStringLiteral("edited before the save");

// Opens the document in a main window, gives the root a new label when told, and saves it
// through the window (over itself unless told otherwise); the status tells what happened, and
// whether the document was left marked as changed exactly when the save failed.
int saveThroughWindow(const QString &path)
{
    LifecycleFixture fixture;
    if (!fixture.ready())
        return SetupFailed;
    QAMainWindowEditor &window = fixture.window();
    window.loadFile(path, false);
    QAZynEditor *editor = window.editorArea();
    QDomElement root = editor->rootElement();
    if (root.isNull())
        return SetupFailed;
    if (qEnvironmentVariableIsSet(ChildLabel)) {
        root.setAttribute(QStringLiteral("Label"), qEnvironmentVariable(ChildLabel));
        editor->setModified(true);
    }
    const QString target
        = qEnvironmentVariableIsSet(ChildTarget) ? qEnvironmentVariable(ChildTarget) : path;
    if (qEnvironmentVariableIsSet(ChildFileSizeLimit)) {
        // A write past the limit raises SIGXFSZ, which is left at its default (ending the
        // process): the save itself must keep the program alive and fail as on a full disk.
        const rlim_t size = qEnvironmentVariable(ChildFileSizeLimit).toULongLong();
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = size;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    const bool saved = window.saveFile(target);
    if (saved == editor->isModified())
        return WrongModifiedFlag;
    return saved ? Saved : SaveFailed;
}

// Loads and writes the document as it is, with nothing of a window's save around it.
int saveWithWriter(const QString &path, const QString &target)
{
    QDomDocument document;
    QAAttributeOrder order;
    const QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
    if (root.isNull())
        return SetupFailed;
    return TestFiles::write(target, QAZynWriter(&order).write(root)) ? Saved : SaveFailed;
}

int runChild(const QString &path)
{
    int argc = 1;
    char name[] = "tst_savefaults";
    char *argv[] = { name, nullptr };
    QApplication application(argc, argv);
    if (qEnvironmentVariable(ChildSaver) == QLatin1String("writer"))
        return saveWithWriter(path, qEnvironmentVariable(ChildTarget));
    return saveThroughWindow(path);
}

enum class Saver { Window, Writer };

// Runs the save in a child process of its own; fileSizeLimit < 0 sets none.
int saveInChild(Saver saver, const QString &path, const QString &target, const QString &label,
                qint64 fileSizeLimit = -1)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(ChildMode), path);
    environment.insert(QLatin1String(ChildSaver),
                       saver == Saver::Writer ? QStringLiteral("writer")
                                              : QStringLiteral("window"));
    if (!target.isEmpty())
        environment.insert(QLatin1String(ChildTarget), target);
    if (!label.isNull())
        environment.insert(QLatin1String(ChildLabel), label);
    if (fileSizeLimit >= 0)
        environment.insert(QLatin1String(ChildFileSizeLimit), QString::number(fileSizeLimit));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

} // namespace

// Saves seen from outside the saving process: one that fails part-way leaves the previous file as
// it was and says so; the bytes written do not depend on the process that wrote them; one edit
// shows as one changed line.
class TestSaveFaults : public QObject
{
    Q_OBJECT

public:
    // The test runs itself as the saving child.
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
        QTest::addColumn<bool>("hardLinked");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no byte fits") << qint64(0) << false << false;
        QTest::newRow("disk fills part-way") << qint64(8192) << false << false;
        // A hard-linked file is written in place: the limit must still leave it whole.
        QTest::newRow("in place, no byte fits") << qint64(0) << true << false;
        QTest::newRow("in place, disk fills part-way") << qint64(8192) << true << false;
        // Proves the harness: with room, the same child saves.
        QTest::newRow("room for the whole save") << qint64(16 * 1024 * 1024) << false << true;
        QTest::newRow("in place, room") << qint64(16 * 1024 * 1024) << true << true;
    }
    void fullDiskKeepsThePreviousFile()
    {
        QFETCH(qint64, sizeLimit);
        QFETCH(bool, hardLinked);
        QFETCH(bool, saved);
        QString path;
        QVERIFY(m_env->copyToScratch(QStringLiteral(ZYN_SOURCE_DIR "/samples/gcc-linux.xdp"), &path,
                                     QStringLiteral("doc.xdp")));
        QStringList files { QStringLiteral("doc.xdp") };
        if (hardLinked) {
            const QString link = m_env->scratch() + QStringLiteral("/link.xdp");
            QCOMPARE(
                ::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()),
                0);
            files.append(QStringLiteral("link.xdp"));
        }
        const QByteArray before = TestFiles::read(path);
        QVERIFY(before.size() > 2 * 8192);

        QCOMPARE(saveInChild(Saver::Window, path, QString(), EditedLabel, sizeLimit),
                 saved ? int(Saved) : int(SaveFailed));

        const QByteArray after = TestFiles::read(path);
        if (saved) {
            QVERIFY(after.contains(EditedLabel.toUtf8()));
        } else {
            QCOMPARE(after, before);
        }
        // No temporary file left beside it.
        QCOMPARE(QDir(m_env->scratch()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 files);
        if (hardLinked)
            QCOMPARE(TestFiles::read(m_env->scratch() + QStringLiteral("/link.xdp")), after);
    }

    // Attribute order must not depend on the process: hash order changes from run to run.
    void savesTheSameBytesInAFreshProcess_data()
    {
        QTest::addColumn<QString>("source");
        const QString xml = TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/");
        QTest::newRow("C template") << xml + QStringLiteral("templatec.xdp");
        QTest::newRow("Ada template") << xml + QStringLiteral("templatea.xdp");
        QTest::newRow("sample") << QStringLiteral(ZYN_SOURCE_DIR "/samples/gcc-linux.xdp");
    }
    void savesTheSameBytesInAFreshProcess()
    {
        QFETCH(QString, source);
        QString path;
        QVERIFY(m_env->copyToScratch(source, &path, QStringLiteral("doc.xdp")));
        QDomDocument document;
        QAAttributeOrder order;
        const QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
        QVERIFY(!root.isNull());
        const QByteArray here = QAZynWriter(&order).write(root);

        const QString fresh = m_env->scratch() + QStringLiteral("/fresh.xdp");
        QCOMPARE(saveInChild(Saver::Writer, path, fresh, QString()), int(Saved));
        QCOMPARE(TestFiles::read(fresh), here);
        // What the editor wrote comes back byte for byte from yet another process.
        const QString again = m_env->scratch() + QStringLiteral("/again.xdp");
        QCOMPARE(saveInChild(Saver::Writer, fresh, again, QString()), int(Saved));
        QCOMPARE(TestFiles::read(again), here);
    }

    // A one-field edit shows as a one-line change under version control.
    void oneEditChangesOneLine_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("changedLine");
        QTest::newRow("root label") << "root"
                                    << "<ZYN Name=\"C and C++ Template\" type=\"CCPP\" "
                                       "Version=\"V2009\" read_only=\"yes\" "
                                       "Label=\"edited\" Doc=\"ZYN\">";
        QTest::newRow("text of a key") << "key"
                                       << "<VALUE>edited</VALUE>";
        QTest::newRow("label of the last element") << "last"
                                                   << "Label=\"edited\"";
    }
    void oneEditChangesOneLine()
    {
        QFETCH(QString, edit);
        QFETCH(QString, changedLine);
        QString path;
        QVERIFY(m_env->copyToScratch(
            TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/templatec.xdp"), &path));
        QDomDocument document;
        QAAttributeOrder order;
        QDomElement root = QAXmlEditor::readRootElement(path, document, nullptr, &order);
        QAZynWriter writer(&order);
        const QList<QByteArray> before = writer.write(root).split('\n');

        const QString edited = QStringLiteral("edited");
        if (edit == QLatin1String("root")) {
            root.setAttribute(QStringLiteral("Label"), edited);
        } else if (edit == QLatin1String("key")) {
            QDomElement key
                = document.elementsByTagName(QStringLiteral("ASMEXT")).item(0).toElement();
            setChildText(edited, QStringLiteral("VALUE"), key);
        } else {
            QDomElement last;
            for (QDomElement e = root; !e.isNull();) {
                if (e.hasAttribute(QStringLiteral("Label")))
                    last = e;
                // Next in document order: first child, else the next sibling of the nearest
                // ancestor that has one.
                QDomElement next = e.firstChildElement();
                for (QDomElement up = e; next.isNull() && !up.isNull();
                     up = up.parentNode().toElement())
                    next = up.nextSiblingElement();
                e = next;
            }
            QVERIFY(last != root);
            last.setAttribute(QStringLiteral("Label"), edited);
        }
        const QList<QByteArray> after = writer.write(root).split('\n');

        QCOMPARE(after.size(), before.size());
        QList<QByteArray> changed;
        for (int i = 0; i < after.size(); ++i) {
            if (after.at(i) != before.at(i))
                changed.append(after.at(i));
        }
        QCOMPARE(changed.size(), 1);
        QVERIFY2(changed.first().contains(changedLine.toUtf8()), changed.first().constData());
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"

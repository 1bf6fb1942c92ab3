#include "lifecyclefixture.h"

#include "app/qagenerateinpolicy.h"
#include "document/qazyneditor.h"
#include "services/qascriptrunner.h"

#include <QLineEdit>
#include <QSettings>

// Where a document's target goes: a generate_in value is a suggestion. Relative values come from
// the document's directory, approved directories are used as they are, any other existing one
// only after one question naming it, whose answer is remembered.
class TestGenerateIn : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LifecycleFixture> f;

    // Writes a copy of the fixture document to dir, naming value as its generate-in directory
    // (none when value is null); sets path to the copy.
    [[nodiscard]] bool document(const QString &dir, const QString &value, QString *path)
    {
        QString fixture;
        if (!f->fixture(QStringLiteral("target.xdp"), &fixture))
            return false;
        QByteArray content = TestFiles::read(fixture);
        if (!value.isNull())
            content.replace("read_only=\"no\"",
                            "read_only=\"no\" generate_in=\"" + value.toUtf8() + '"');
        *path = dir + QStringLiteral("/doc.xdp");
        return TestFiles::write(*path, content);
    }

    static QStringList approved()
    {
        return QSettings().value(QLatin1String(QAGenerateInPolicy::ApprovedKey)).toStringList();
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LifecycleFixture>();
        QVERIFY(f->ready());
    }
    void cleanup()
    {
        f.reset();
        QSettings().clear();
    }

    void decidesWhereToGenerate_data()
    {
        // Paths in the rows are relative to the scratch directory ("@" stands for it); the
        // default directory is "DEFAULT". Answers: a choice index, or a directory to choose.
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("preapproved");
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("approvedAfter");

        QTest::newRow("absent: the current directory")
            << QString() << QStringList() << QVariantList() << "DEFAULT" << false << false;
        QTest::newRow("missing directory: the default")
            << "@/nowhere" << QStringList() << QVariantList() << "DEFAULT" << false << false;
        QTest::newRow("the default directory")
            << "DEFAULT" << QStringList() << QVariantList() << "DEFAULT" << false << false;
        QTest::newRow("approved directory")
            << "@/out" << QStringList { "@/out" } << QVariantList() << "@/out" << false << true;
        QTest::newRow("relative value, from the document's directory")
            << "out" << QStringList { "@/docs/out" } << QVariantList() << "@/docs/out" << false
            << true;
        QTest::newRow("unknown directory, use it")
            << "@/out" << QStringList() << QVariantList { 0 } << "@/out" << true << true;
        QTest::newRow("relative unknown directory, use it")
            << "../out" << QStringList() << QVariantList { 0 } << "@/out" << true << true;
        QTest::newRow("unknown directory, use the default")
            << "@/out" << QStringList() << QVariantList { 1 } << "DEFAULT" << true << false;
        QTest::newRow("unknown directory, choose another")
            << "@/out" << QStringList() << QVariantList { 2, "@/chosen" } << "@/chosen" << true
            << false;
        QTest::newRow("unknown directory, choose another, cancelled")
            << "@/out" << QStringList() << QVariantList { 2, QString() } << "DEFAULT" << true
            << false;
    }

    void decidesWhereToGenerate()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, preapproved);
        QFETCH(QVariantList, answers);
        QFETCH(QString, expected);
        QFETCH(bool, asked);
        QFETCH(bool, approvedAfter);

        const QString scratch = f->env().scratch();
        const auto real = [&](QString path) {
            path.replace(QLatin1String("DEFAULT"), f->targetsDir());
            return path.replace(QLatin1Char('@'), scratch);
        };
        for (const char *dir : { "out", "docs/out", "chosen" })
            QVERIFY(QDir().mkpath(scratch + QLatin1Char('/') + dir));
        // A directory of the same name under the working directory must not be taken.
        QVERIFY(QDir().mkpath(QDir::currentPath() + QStringLiteral("/out")));
        QStringList list;
        for (const QString &dir : preapproved)
            list << real(dir);
        QSettings().setValue(QLatin1String(QAGenerateInPolicy::ApprovedKey), list);
        for (const QVariant &answer : answers)
            f->dialogs().answer(answer.typeId() == QMetaType::QString && !answer.isNull()
                                    ? QVariant(real(answer.toString()))
                                    : answer);

        QAMainWindowEditor &w = f->window();
        QString path;
        QVERIFY(document(scratch + QStringLiteral("/docs"),
                         value.isNull() ? QString() : real(value), &path));
        w.loadFile(path, false);

        QCOMPARE(w.generateInDirectory(), real(expected));
        QCOMPARE(w.editorArea()->generateInField()->text(), real(expected));
        const auto questions = f->asked(DialogKind::Choice);
        QCOMPARE(questions.size(), asked ? 1 : 0);
        if (asked) {
            QVERIFY2(questions[0].text.contains(scratch + QStringLiteral("/out")),
                     qPrintable(questions[0].text));
            QCOMPARE(questions[0].buttonTexts,
                     QStringList({ "&Use It", "Use the &Default", "&Choose Another..." }));
            QCOMPARE(questions[0].defaultIndex, 1);
        }
        QCOMPARE(approved().contains(scratch + QStringLiteral("/out"))
                     || approved().contains(scratch + QStringLiteral("/docs/out")),
                 approvedAfter);
        QCOMPARE(f->dialogs().unansweredCount(), 0);
        QDir(QDir::currentPath() + QStringLiteral("/out")).removeRecursively();
    }

    void rememberTheAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("usesIt");
        QTest::newRow("use it") << 0 << true;
        QTest::newRow("use the default") << 1 << false;
    }

    void rememberTheAnswer()
    {
        QFETCH(int, answer);
        QFETCH(bool, usesIt);
        const QString out = f->env().scratch() + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(out));
        QString path;
        QVERIFY(document(f->env().scratch(), out, &path));
        QAMainWindowEditor &w = f->window();
        f->dialogs().answer(answer);
        w.loadFile(path, false);
        w.loadFile(path, false);
        QCOMPARE(f->asked(DialogKind::Choice).size(), 1);
        QCOMPARE(w.generateInDirectory(), usesIt ? out : f->targetsDir());
    }

    void directoryChosenToGenerateInIsApproved()
    {
        const QString chosen = f->env().scratch() + QStringLiteral("/chosen");
        QVERIFY(QDir().mkpath(chosen));
        QAMainWindowEditor &w = f->window();
        QString path;
        QVERIFY(document(f->env().scratch() + QStringLiteral("/docs"), QString(), &path));
        w.loadFile(path, false);
        f->dialogs().answer(chosen + QLatin1Char('/'));
        w.fileGenerateAs();
        QCOMPARE(w.generateInDirectory(), chosen);
        QVERIFY(approved().contains(chosen));
        // Stop the generator this test does not wait for.
        for (QAScriptRunner *runner : w.findChildren<QAScriptRunner *>())
            runner->kill();

        // Another document naming it is generated there without a question.
        QVERIFY(document(f->env().scratch() + QStringLiteral("/other"), chosen, &path));
        w.loadFile(path, false);
        QCOMPARE(w.generateInDirectory(), chosen);
        QCOMPARE(f->asked(DialogKind::Choice).size(), 0);
    }
};

QTEST_MAIN(TestGenerateIn)
#include "tst_generatein.moc"

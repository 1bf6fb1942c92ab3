#include "lifecyclefixture.h"

#include "app/qadocumentguard.h"
#include "app/qazyndocumentsession.h"
#include "document/qarecoverystore.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"

#include <QApplication>
#include <QSettings>
#include <QTreeWidgetItem>

#include <csignal>

namespace {

const QByteArray Marker = "changed by someone else";

// The document rewritten as another program would: the root gains a label.
QByteArray rewritten(const QByteArray &original)
{
    QByteArray bytes = original;
    bytes.replace("Label=\"Target Deployment Port\"", "Label=\"" + Marker + "\"");
    return bytes;
}

enum DiskAnswer { Reload = 0, KeepEditing = 1, SaveAs = 2 };
enum RecoveryAnswer { Restore = 0, Discard = 1, Later = 2 };

} // namespace

// The window and the disk it shares with others: files changed or deleted behind its back, a
// second editor on the same file, and the recovery of work a crash would lose.
class TestDiskChanges : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LifecycleFixture> f;

    QAMainWindowEditor &w() { return f->window(); }
    QDomElement root() { return w().editorArea()->rootElement(); }
    QString path() const { return f->env().scratch() + QStringLiteral("/target.xdp"); }

    // Opens the fixture document and selects the Build node.
    [[nodiscard]] bool openDocument()
    {
        return checked([this] {
            QString copy;
            QVERIFY(f->fixture(QStringLiteral("target.xdp"), &copy));
            w().loadFile(path(), false);
            QVERIFY(!root().isNull());
            QAZynEditorTree *tree = w().editorArea()->editorTree();
            const QList<QTreeWidgetItem *> build = tree->findItems(
                QStringLiteral("Build Commands"), Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(build.size(), 1);
            tree->setCurrentItem(build.first());
            f->dialogs().clear();
        });
    }

    void edit()
    {
        root().setAttribute(QStringLiteral("Label"), QStringLiteral("my edit"));
        w().editorArea()->setModified(true);
    }

    int questionsLike(const QString &text) const
    {
        int count = 0;
        for (const auto &q : f->dialogs().questions())
            count += q.text.contains(text) ? 1 : 0;
        return count;
    }

    // Lets the guard write its recovery copy soon after a change.
    [[nodiscard]] bool editAndWaitForRecovery()
    {
        return checked([this] {
            w().documentSession()->guard()->recoveryStore()->setDelays(20, 100);
            edit();
            w().documentSession()->guard()->noteChange();
            QTRY_VERIFY(QFileInfo::exists(QARecoveryStore::recoveryPathFor(path())));
        });
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LifecycleFixture>();
        QVERIFY(f->ready());
    }
    void cleanup() { f.reset(); }

    void externalRewrite_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<int>("answer");
        QTest::newRow("nothing unsaved: read again") << false << -1;
        QTest::newRow("unsaved, reload") << true << int(Reload);
        QTest::newRow("unsaved, keep editing") << true << int(KeepEditing);
        QTest::newRow("unsaved, save as") << true << int(SaveAs);
    }
    void externalRewrite()
    {
        QFETCH(bool, unsaved);
        QFETCH(int, answer);
        QVERIFY(openDocument());
        if (unsaved)
            edit();
        const QByteArray theirs = rewritten(TestFiles::read(path()));
        const QString copy = f->env().scratch() + QStringLiteral("/copy.xdp");
        if (answer >= 0)
            f->dialogs().answer(answer);
        if (answer == SaveAs)
            f->dialogs().answer(copy);
        QVERIFY(TestFiles::write(path(), theirs));

        const bool reloaded = !unsaved || answer == Reload;
        if (reloaded)
            QTRY_COMPARE(root().attribute(QStringLiteral("Label")), QString::fromUtf8(Marker));
        else
            QTRY_COMPARE(f->dialogs().questions().size(), answer == SaveAs ? 2 : 1);
        QTest::qWait(300);
        QCOMPARE(questionsLike(QStringLiteral("changed on disk")), unsaved ? 1 : 0);
        QCOMPARE(w().editorArea()->isModified(), answer == KeepEditing);
        // The file on disk is theirs whatever the answer.
        QCOMPARE(TestFiles::read(path()), theirs);
        if (reloaded) {
            // The selected node is selected again.
            QCOMPARE(w().editorArea()->editorTree()->currentItem()->text(0),
                     QStringLiteral("Build Commands"));
        }
        if (answer == SaveAs) {
            QVERIFY(TestFiles::read(copy).contains("my edit"));
            QCOMPARE(w().currentFilePath(), copy);
        }
        if (answer == KeepEditing) {
            // The next save asks again; Cancel keeps their file, Overwrite writes ours.
            f->dialogs().answer(2);
            QVERIFY(!w().saveFile(path()));
            QCOMPARE(TestFiles::read(path()), theirs);
            f->dialogs().answer(0);
            QVERIFY(w().saveFile(path()));
            QVERIFY(TestFiles::read(path()).contains("my edit"));
        }
        QCOMPARE(f->dialogs().unansweredCount(), 0);
    }

    void ownSavesAskNothing()
    {
        QVERIFY(openDocument());
        for (int i = 0; i < 3; ++i) {
            edit();
            QVERIFY(w().saveFile(path()));
            QTest::qWait(300);
            w().documentSession()->guard()->checkDisk();
        }
        QVERIFY(f->dialogs().questions().isEmpty());
        QVERIFY(!w().editorArea()->isModified());
    }

    // Saved before the watch noticed the change: the save itself asks.
    void saveComparesTheDiskFirst()
    {
        QVERIFY(openDocument());
        edit();
        const QByteArray theirs = rewritten(TestFiles::read(path()));
        QVERIFY(TestFiles::write(path(), theirs));
        f->dialogs().answer(2); // Cancel
        QVERIFY(!w().saveFile(path()));
        QCOMPARE(TestFiles::read(path()), theirs);
        QCOMPARE(questionsLike(QStringLiteral("Overwrite it")), 1);
        QVERIFY(w().editorArea()->isModified());
    }

    void fileDeletedOnDisk()
    {
        QVERIFY(openDocument());
        f->dialogs().answer(0); // keep editing
        QVERIFY(QFile::remove(path()));
        QTRY_COMPARE(questionsLike(QStringLiteral("deleted")), 1);
        // The document stays, unsaved; saving writes the file again without another question.
        QVERIFY(!root().isNull());
        QVERIFY(w().editorArea()->isModified());
        QVERIFY(w().saveFile(path()));
        QVERIFY(QFileInfo::exists(path()));
        QCOMPARE(f->dialogs().questions().size(), 1);
    }

    void secondEditorIsWarned_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("open anyway") << 0;
        QTest::newRow("cancel") << 1;
    }
    void secondEditorIsWarned()
    {
        QFETCH(int, answer);
        QVERIFY(openDocument());
        edit();
        QAMainWindowEditor second({ QStringLiteral(ZYN_EDITOR_BINARY) });
        f->dialogs().answer(answer);
        second.loadFile(path(), false);
        QCOMPARE(questionsLike(QStringLiteral("already open in another editor")), 1);
        QCOMPARE(second.editorArea()->rootElement().isNull(), answer != 0);
        // The first editor's live recovery copy is not offered as a crashed session's.
        QCOMPARE(questionsLike(QStringLiteral("Restore")), 0);

        // Once the first window is closed, the file opens without a question.
        f->dialogs().clear();
        f->dialogs().answer(QMessageBox::No);
        QVERIFY(w().close());
        QAMainWindowEditor third({ QStringLiteral(ZYN_EDITOR_BINARY) });
        third.loadFile(path(), false);
        QVERIFY(!third.editorArea()->rootElement().isNull());
        QCOMPARE(f->dialogs().questions().size(), 1); // the save question only
    }

    void recoveryAfterACrash_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("restore") << int(Restore);
        QTest::newRow("discard") << int(Discard);
        QTest::newRow("decide later") << int(Later);
    }
    void recoveryAfterACrash()
    {
        QFETCH(int, answer);
        QVERIFY(openDocument());
        const QByteArray onDisk = TestFiles::read(path());
        QVERIFY(editAndWaitForRecovery());
        // The crash: the window goes without its close.
        f->dropWindow();
        QCOMPARE(TestFiles::read(path()), onDisk);

        f->dialogs().answer(answer);
        w().loadFile(path(), false);
        QCOMPARE(questionsLike(QStringLiteral("ended unexpectedly")), 1);
        QCOMPARE(root().attribute(QStringLiteral("Label")),
                 answer == Restore ? QStringLiteral("my edit")
                                   : QStringLiteral("Target Deployment Port"));
        QCOMPARE(w().editorArea()->isModified(), answer == Restore);
        QCOMPARE(w().currentFilePath(), path());
        QCOMPARE(TestFiles::read(path()), onDisk);
        QCOMPARE(QFileInfo::exists(QARecoveryStore::recoveryPathFor(path())), answer != Discard);
    }

    // Saved or deliberately given up, the work needs no recovery copy.
    void recoveryRemoved_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("saved") << "save";
        QTest::newRow("no to the close question") << "close";
        QTest::newRow("no before opening another") << "open";
        QTest::newRow("reloaded from disk") << "reload";
    }
    void recoveryRemoved()
    {
        QFETCH(QString, how);
        QVERIFY(openDocument());
        QVERIFY(editAndWaitForRecovery());
        if (how == QLatin1String("save")) {
            QVERIFY(w().saveFile(path()));
        } else if (how == QLatin1String("close")) {
            f->dialogs().answer(QMessageBox::No);
            QVERIFY(w().close());
        } else if (how == QLatin1String("open")) {
            QString elsewhere;
            QVERIFY(f->fixture(QStringLiteral("elsewhere.xdp"), &elsewhere));
            f->dialogs().answer(QMessageBox::No);
            f->dialogs().answer(elsewhere);
            w().fileOpen();
            QVERIFY(w().currentFilePath().endsWith(QStringLiteral("elsewhere.xdp")));
        } else {
            f->dialogs().answer(int(Reload));
            QVERIFY(TestFiles::write(path(), rewritten(TestFiles::read(path()))));
            QTRY_COMPARE(root().attribute(QStringLiteral("Label")), QString::fromUtf8(Marker));
        }
        QVERIFY(!QFileInfo::exists(QARecoveryStore::recoveryPathFor(path())));
    }

    // The recent file is gone but its unsaved work is not: offered at start, saved elsewhere.
    void recoveryOfAFileThatIsGone()
    {
        QVERIFY(openDocument());
        QVERIFY(editAndWaitForRecovery());
        f->dropWindow();
        QVERIFY(QFile::remove(path()));
        QSettings().setValue(QStringLiteral("/Corvin/zyneditor/recentFile"), path());

        const QString renamed = f->env().scratch() + QStringLiteral("/renamed.xdp");
        f->dialogs().answer(int(Restore));
        f->dialogs().answer(renamed);
        w();
        QCOMPARE(questionsLike(QStringLiteral("no longer exists")), 1);
        QVERIFY(TestFiles::read(renamed).contains("my edit"));
        QVERIFY(!QFileInfo::exists(path()));
        QCOMPARE(w().currentFilePath(), renamed);
        QVERIFY(!QFileInfo::exists(QARecoveryStore::recoveryPathFor(path())));
    }

    // Exit while a binary file is being encoded: the add ends, the encoder is stopped, and no
    // window is left to keep the program alive.
    void exitDuringBinaryAdd()
    {
        const QString pidFile = f->env().scratch() + QStringLiteral("/encoder.pid");
        QVERIFY(f->replaceScript(QStringLiteral("encode64.pl"),
                                 "open(my $f, '>', '" + pidFile.toUtf8()
                                     + "') or die;\nprint $f $$;\nclose $f;\nsleep 60;\n"));
        QVERIFY(openDocument());
        QAZynEditorTree *tree = w().editorArea()->editorTree();
        QString elsewhere;
        QVERIFY(f->fixture(QStringLiteral("elsewhere.xdp"), &elsewhere));
        f->dialogs().answer(elsewhere);
        tree->appendBinaryFile();
        QVERIFY(tree->isAddingBinaryFile());
        QTRY_VERIFY(QFileInfo(pidFile).size() > 0);
        const pid_t encoder = pid_t(TestFiles::read(pidFile).toInt());
        QVERIFY(encoder > 0);

        QVERIFY(w().close());
        QVERIFY(!tree->isAddingBinaryFile());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        QTRY_VERIFY(::kill(encoder, 0) != 0);
    }

    void recentFileIsAbsoluteAndClean()
    {
        QVERIFY(openDocument());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(f->env().scratch());
        w().editorArea()->setModified(true);
        const bool saved = w().saveFile(QStringLiteral("./target.xdp"));
        QDir::setCurrent(previous);
        QVERIFY(saved);
        QCOMPARE(QSettings().value(QStringLiteral("/Corvin/zyneditor/recentFile")).toString(),
                 path());
    }
};

QTEST_MAIN(TestDiskChanges)
#include "tst_diskchanges.moc"

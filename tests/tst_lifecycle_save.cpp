#include "lifecyclefixture.h"

#include "dialogs/qazynprefdialog.h"
#include "document/qarenamedelegate.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "sdk/qafileutil.h"
#include "services/qascriptrunner.h"
#include "services/qazynwaitdlg.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

// Saving: what is written and when, the name checks of "save as", the protection of templates
// and of existing targets, saves that fail, and the generator and export runs that follow.
class TestLifecycleSave : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LifecycleFixture> f;
    QStringList m_errorTexts;

    // Opens a copy of a fixture through the open dialog; sets path to the copy when given.
    [[nodiscard]] bool open(const QString &fixture, QString *path = nullptr)
    {
        QString copy;
        if (!f->fixture(fixture, &copy))
            return false;
        f->dialogs().answer(copy);
        f->window().fileOpen();
        f->dialogs().clear();
        if (path)
            *path = copy;
        return !root().isNull();
    }

    // Answers the next error dialogs, keeping their texts.
    void recordErrorDialogs(int count)
    {
        for (int i = 0; i < count; ++i) {
            f->dialogs().onExec([this](QDialog *dialog) {
                m_errorTexts << dialog->findChild<QPlainTextEdit *>()->toPlainText();
                return int(QDialog::Accepted);
            });
        }
    }

    // Waits for every script run of the window to end and its runner to go.
    [[nodiscard]] bool waitForRuns()
    {
        return checked([&] {
            // Runs that could not start are gone at the next deferred delete.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (QAScriptRunner *runner :
                 f->window().findChildren<QAScriptRunner *>(Qt::FindDirectChildrenOnly)) {
                QSignalSpy finished(runner, &QAScriptRunner::finished);
                if (!runner->hasFinished())
                    QVERIFY(finished.wait(60000));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(
                f->window().findChildren<QAScriptRunner *>(Qt::FindDirectChildrenOnly).isEmpty());
        });
    }

    QDomElement root() { return f->window().editorArea()->rootElement(); }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LifecycleFixture>();
        m_errorTexts.clear();
        QVERIFY(f->ready());
    }
    void cleanup()
    {
        const bool runsEnded = !f || waitForRuns();
        f.reset();
        QVERIFY(runsEnded);
    }

    void savesFramedWithTheSaveAttributes()
    {
        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QByteArray expected = TestFiles::read(path);
        expected.replace("Doc=\"ZYN\">",
                         "Doc=\"ZYN\" generate_in=\"" + f->targetsDir().toUtf8() + "\">");
        QAMainWindowEditor &w = f->window();
        w.editorArea()->setModified(true);

        QVERIFY(w.saveFile(path));
        // Unknown elements, the comment, the CDATA section and the processing instruction stay
        // as they were.
        QCOMPARE(TestFiles::read(path), expected);
        QCOMPARE(f->statusText(), QStringLiteral("xdp file saved."));
        QVERIFY(!w.editorArea()->isModified());
        QCOMPARE(w.currentTarget()->directoryName, QStringLiteral("target"));
        QCOMPARE(w.currentTarget()->targetName, QStringLiteral("C++ Demo Board"));

        // Read back and saved again, nothing changes.
        w.loadFile(path, false);
        QVERIFY(w.saveFile(path));
        QCOMPARE(TestFiles::read(path), expected);
    }

    void savedFileAlwaysReopens_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("reread");

        QTest::newRow("cdata holding ]]>") << "if (a[b[0]]>1) { run(); }"
                                           << "xdp file saved."
                                           << "if (a[b[0]]>1) { run(); }";
        QTest::newRow("control characters")
            << QString::fromUtf8("bell\x07 and escape\x1b")
            << "xdp file saved; 2 character(s) that XML cannot hold were left out."
            << "bell and escape";
    }
    void savedFileAlwaysReopens()
    {
        QFETCH(QString, typed);
        QFETCH(QString, status);
        QFETCH(QString, reread);

        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QDomElement value = root()
                                .firstChildElement(QStringLiteral("BUILD"))
                                .firstChildElement(QStringLiteral("NEWCMDFILE"))
                                .firstChildElement(QStringLiteral("VALUE"));
        value.firstChild().setNodeValue(typed);
        QVERIFY(f->window().saveFile(path));
        QCOMPARE(f->statusText(), status);

        QDomDocument document;
        const QDomElement reloaded = QAXmlEditor::readRootElement(path, document);
        QVERIFY(!reloaded.isNull());
        QCOMPARE(reloaded.firstChildElement(QStringLiteral("BUILD"))
                     .firstChildElement(QStringLiteral("NEWCMDFILE"))
                     .firstChildElement(QStringLiteral("VALUE"))
                     .text(),
                 reread);
    }

    void saveAsChecksTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");

        const QString forbidden = QStringLiteral(" \\+*?~|,:\"'`");
        const char *names[]
            = { "blank", "backslash", "plus",  "star",         "question mark", "tilde",
                "bar",   "comma",     "colon", "double quote", "quote",         "backquote" };
        for (int i = 0; i < forbidden.size(); ++i)
            QTest::newRow(names[i]) << QStringLiteral("my") + forbidden.at(i) + "board.xdp" << true;
        QTest::newRow("brackets are allowed") << "my[board].xdp" << false;
        QTest::newRow("dash, underscore, dots are allowed") << "my-board_v1.2.xdp" << false;
        QTest::newRow("no extension gets .xdp") << "myboard" << false;
    }
    void saveAsChecksTheName()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);

        QString original;
        QVERIFY(open(QStringLiteral("target.xdp"), &original));
        const QString chosen = f->env().scratch() + QLatin1Char('/') + name;
        f->dialogs().answer(chosen);
        f->dialogs().answer(QString()); // the reopened dialog, if any: cancelled
        f->window().fileSaveAs();

        const auto save = f->asked(DialogKind::SaveFile);
        QCOMPARE(save[0].objectName, QStringLiteral("save xdp file dialog"));
        QCOMPARE(save[0].caption, QStringLiteral("Save xdp As"));
        QCOMPARE(save[0].startWith, original);
        QCOMPARE(save[0].filter, QStringLiteral("Moravel files ( *.xdp);;All files (*)"));
        if (refused) {
            const auto boxes = f->asked(DialogKind::Message);
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].icon, QMessageBox::Critical);
            QCOMPARE(boxes[0].text,
                     QStringLiteral("The name of a .xdp file cannot contain one of the following "
                                    "characters:\n\t[\\ /+*?~|, :\"'`]"));
            QCOMPARE(save.size(), 2);
            QCOMPARE(save[1].startWith,
                     f->env().scratch() + QLatin1Char('/') + QAFileUtil::generateFilename(name));
            QVERIFY(!QFileInfo::exists(chosen));
            QCOMPARE(f->window().currentFilePath(), original);
        } else {
            const QString written = name.endsWith(".xdp") ? chosen : chosen + ".xdp";
            QCOMPARE(save.size(), 1);
            QVERIFY(QFileInfo::exists(written));
            QCOMPARE(f->window().currentFilePath(), written);
            QCOMPARE(f->window().windowTitle(), QFileInfo(written).fileName() + " - " + f->title());
        }
    }

    void saveAsOverAnExistingFile_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("replace");
        QTest::addColumn<int>("protectedAnswer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("saveDialogs");

        QTest::newRow("replaced") << "target.xdp" << int(QMessageBox::Yes) << 0 << true << 1;
        QTest::newRow("not replaced: the dialog comes again")
            << "target.xdp" << int(QMessageBox::No) << 0 << false << 2;
        QTest::newRow("a file that is no document is replaced")
            << "notxml" << int(QMessageBox::Yes) << 0 << true << 1;
        QTest::newRow("protected, cancel")
            << "protected.xdp" << int(QMessageBox::Yes) << int(QMessageBox::Cancel) << false << 1;
        QTest::newRow("protected, ok: the dialog comes again")
            << "protected.xdp" << int(QMessageBox::Yes) << int(QMessageBox::Ok) << false << 2;
    }
    void saveAsOverAnExistingFile()
    {
        QFETCH(QString, existing);
        QFETCH(int, replace);
        QFETCH(int, protectedAnswer);
        QFETCH(bool, written);
        QFETCH(int, saveDialogs);

        QVERIFY(open(QStringLiteral("target.xdp")));
        QString other;
        if (existing == QLatin1String("notxml")) {
            other = f->env().scratch() + QStringLiteral("/other.xdp");
            QVERIFY(TestFiles::write(other, "just some text\n"));
        } else {
            QVERIFY(f->fixture(existing, &other, QStringLiteral("other.xdp")));
        }
        const QByteArray before = TestFiles::read(other);
        f->dialogs().answer(other);
        f->dialogs().answer(replace);
        if (protectedAnswer)
            f->dialogs().answer(protectedAnswer);
        f->dialogs().answer(QString());
        f->window().fileSaveAs();

        const auto boxes = f->asked(DialogKind::Message);
        QCOMPARE(
            boxes[0].text,
            QStringLiteral("The file %1 already exists.\n Do you want to replace it?").arg(other));
        QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(boxes[0].defaultButton, QMessageBox::Yes);
        if (protectedAnswer) {
            QCOMPARE(boxes[1].text,
                     other
                         + QStringLiteral(" cannot be overwritten.\n Please select another file."));
            QCOMPARE(boxes[1].buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(boxes[1].defaultButton, QMessageBox::Ok);
            QCOMPARE(boxes[1].escapeButton, QMessageBox::Cancel);
        }
        QCOMPARE(f->asked(DialogKind::SaveFile).size(), saveDialogs);
        QCOMPARE(TestFiles::read(other) != before, written);
        QCOMPARE(f->window().editorArea()->isModified(), false);
        if (written)
            QCOMPARE(f->window().currentFilePath(), other);
    }

    void duplicateTargetQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes saves") << int(QMessageBox::Yes);
        QTest::newRow("no starts the rename") << int(QMessageBox::No);
    }
    void duplicateTargetQuestion()
    {
        QFETCH(int, answer);

        // Another target directory already carries the document's label.
        QVERIFY(TestFiles::write(f->targetsDir() + QStringLiteral("/board/board.ini"),
                                 "NAME=\"C++ Demo Board\"\n"));
        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        const QByteArray before = TestFiles::read(path);
        QAMainWindowEditor &w = f->window();
        w.editorArea()->setModified(true);
        f->dialogs().answer(answer);

        const bool saved = w.saveFile(path);

        QCOMPARE(f->dialogs().questions().size(), 1);
        const auto q = f->dialogs().last();
        QCOMPARE(q.icon, QMessageBox::Warning);
        QCOMPARE(q.text,
                 QStringLiteral("Demo Board\nalready exists in your \"targets/\" directory.\n Do "
                                "you want to save anyway?"));
        QCOMPARE(q.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(q.defaultButton, QMessageBox::Yes);
        QCOMPARE(saved, answer == QMessageBox::Yes);
        QCOMPARE(TestFiles::read(path) != before, saved);
        QCOMPARE(w.editorArea()->isModified(), !saved);
        if (!saved) {
            QAZynEditorTree *tree = w.editorArea()->editorTree();
            QCOMPARE(f->statusText(), QStringLiteral("xdp file not saved."));
            QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
            auto *delegate = qobject_cast<QARenameDelegate *>(tree->itemDelegate());
            QVERIFY(delegate && delegate->isEditing());
        }
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("readOnlyWarning");

        QTest::newRow("disk full while writing") << "file size limit" << false;
        QTest::newRow("target is a directory") << "directory" << true;
        QTest::newRow("target directory missing") << "missing directory" << true;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(bool, readOnlyWarning);

        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        w.editorArea()->setModified(true);
        QString target = path;
        if (fault == QLatin1String("directory")) {
            target = f->env().scratch() + QStringLiteral("/folder.xdp");
            QVERIFY(QDir().mkpath(target));
        } else if (fault == QLatin1String("missing directory")) {
            target = f->env().scratch() + QStringLiteral("/gone/target.xdp");
        }
        const QByteArray before = TestFiles::read(path);
        const QStringList scratchBefore = QDir(f->env().scratch()).entryList(QDir::AllEntries);

        bool saved = true;
        if (fault == QLatin1String("file size limit")) {
            // Writes beyond a few bytes fail as on a full disk.
            rlimit old {};
            getrlimit(RLIMIT_FSIZE, &old);
            auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &small);
            saved = w.saveFile(target);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, previousHandler);
        } else {
            saved = w.saveFile(target);
        }

        QVERIFY(!saved);
        if (readOnlyWarning) {
            QCOMPARE(f->dialogs().last().text,
                     target
                         + QStringLiteral("\n\nYou cannot save this .xdp file because the file is "
                                          "in read only mode."));
        } else {
            QCOMPARE(f->statusText(), QStringLiteral("ERROR: cannot save the file."));
        }
        QCOMPARE(TestFiles::read(path), before);
        QCOMPARE(QDir(f->env().scratch()).entryList(QDir::AllEntries), scratchBefore);
        QVERIFY(w.editorArea()->isModified());
        QVERIFY(!root().hasAttribute(QStringLiteral("generate_in")));
        QVERIFY(!QSettings().contains(QStringLiteral("/Corvin/zyneditor/recentFile")));
    }

    void settingsAreWrittenBySavesOnly()
    {
        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        w.resize(700, 500);
        QCoreApplication::processEvents();
        QVERIFY(QSettings().allKeys().isEmpty());

        QVERIFY(w.saveFile(path));
        QSettings settings;
        const QList<int> sizes = w.editorArea()->verticalSplitter()->sizes();
        QCOMPARE(settings.value(QStringLiteral("/Corvin/zyneditor/recentFile")).toString(), path);
        QCOMPARE(settings.value(QStringLiteral("/Corvin/zyneditor/width")).toInt(), w.width());
        QCOMPARE(settings.value(QStringLiteral("/Corvin/zyneditor/height")).toInt(), w.height());
        QCOMPARE(settings.value(QStringLiteral("/Corvin/zyneditor/splitter2")).toInt(),
                 sizes.value(0));
        QCOMPARE(settings.value(QStringLiteral("/Corvin/zyneditor/splitter22")).toInt(),
                 sizes.value(1));
        QVERIFY(settings.contains(QStringLiteral("/Corvin/zyneditor/helpBrowser")));
    }

    void acceptedPreferencesAreAppliedAndStored()
    {
        QAMainWindowEditor &w = f->window();
        auto *preferences = w.findChild<QAzynPrefDialog *>(QStringLiteral("Preferences"));
        QVERIFY(preferences && preferences->isModal());
        w.openPreferences();
        QVERIFY(preferences->isVisible());
        preferences->setHelpUrl(QStringLiteral("http://help.example/"));
        preferences->accept();

        QCOMPARE(w.editorArea()->help().getHelpURL(), QStringLiteral("http://help.example/"));
        QCOMPARE(QSettings().value(QStringLiteral("/ZYNEditorPreferenceDialog/HelpUrl")).toString(),
                 QStringLiteral("http://help.example/"));
    }

    void protectedDocumentIsSavedUnderANewNameFirst_data()
    {
        QTest::addColumn<bool>("named");
        QTest::newRow("save as cancelled: nothing more") << false;
        QTest::newRow("named: then where to generate") << true;
    }
    void protectedDocumentIsSavedUnderANewNameFirst()
    {
        QFETCH(bool, named);

        f->dialogs().onExec([](QDialog *dialog) {
            dialog->accept();
            return dialog->result();
        });
        QAMainWindowEditor &w = f->window();
        w.fileNew();
        w.editorArea()->setModified(true);
        f->dialogs().clear();
        const QString chosen = f->env().scratch() + QStringLiteral("/mine.xdp");
        f->dialogs().answer(named ? chosen : QString());
        f->dialogs().answer(QString()); // the generate-in dialog: cancelled

        w.fileSave();

        const auto save = f->asked(DialogKind::SaveFile);
        QCOMPARE(save.size(), 1);
        QCOMPARE(save[0].startWith, f->templateDir() + QStringLiteral("/templatec.xdp"));
        const auto directory = f->asked(DialogKind::Directory);
        QCOMPARE(directory.size(), named ? 1 : 0);
        if (named) {
            QCOMPARE(directory[0].objectName, QStringLiteral("Generate ZYN dialog"));
            QCOMPARE(directory[0].caption, QStringLiteral("Generate ZYN In"));
            QCOMPARE(directory[0].startWith, f->targetsDir());
        }
        QCOMPARE(QFileInfo::exists(chosen), named);
        QCOMPARE(w.editorArea()->isModified(), !named);
        QVERIFY(!QFileInfo::exists(f->templateDir() + QStringLiteral("/document.xdp")));
        QVERIFY(w.findChildren<QAScriptRunner *>(Qt::FindDirectChildrenOnly).isEmpty());
    }

    void closingKeepsTheWindowWhenTheSaveIsCancelled()
    {
        f->dialogs().onExec([](QDialog *dialog) {
            dialog->accept();
            return dialog->result();
        });
        QAMainWindowEditor &w = f->window();
        w.fileNew();
        w.editorArea()->setModified(true);
        f->dialogs().answer(int(QMessageBox::Yes));
        f->dialogs().answer(QString()); // save as: cancelled

        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(w.editorArea()->isModified());
    }

    void closingWaitsForARunningScript_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("the close waits for the generator to end") << false;
        QTest::newRow("cancel stops the generator and closes") << true;
    }
    void closingWaitsForARunningScript()
    {
        QFETCH(bool, cancel);

        // The generator writes its output once a gate opens.
        const QString gate = f->env().scratch() + QStringLiteral("/gate");
        const QString output = f->env().scratch() + QStringLiteral("/generated");
        qputenv("FAKE_GATE", QFile::encodeName(gate));
        qputenv("FAKE_OUTPUT", QFile::encodeName(output));
        QVERIFY(f->replaceScript(
            QStringLiteral("zyngen.pl"),
            "my $n = 0;\n"
            "select(undef, undef, undef, 0.02) until -e $ENV{FAKE_GATE} || ++$n > 3000;\n"
            "open(my $out, '>', $ENV{FAKE_OUTPUT}) or die;\n"
            "print $out qq(done\\n); close $out; exit 0;\n"));
        QVERIFY(open(QStringLiteral("target.xdp")));
        QAMainWindowEditor &w = f->window();
        w.fileSave();

        bool waited = false;
        QTimer answer;
        answer.setSingleShot(true);
        connect(&answer, &QTimer::timeout, &w, [&] {
            auto *wait = w.findChild<QAZynWaitDlg *>(QStringLiteral("closeWaitDialog"));
            if (!wait || !wait->isVisible() || !wait->cancelButton())
                return;
            waited = true;
            if (cancel)
                wait->cancelButton()->click();
            else
                QVERIFY(TestFiles::write(gate, "open"));
        });
        answer.start(0);

        QVERIFY(w.close());
        QVERIFY(waited);
        if (cancel) {
            QVERIFY(waitForRuns());
            QVERIFY(!QFileInfo::exists(output));
        } else {
            QCOMPARE(TestFiles::read(output), QByteArray("done\n"));
            QCOMPARE(f->statusText(), QStringLiteral("ZYN Files saved."));
        }
        qunsetenv("FAKE_GATE");
        qunsetenv("FAKE_OUTPUT");
    }

    void generatesAndExportsForReal()
    {
        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        QSignalSpy messages(w.statusBar(), &QStatusBar::messageChanged);
        w.fileSave();
        QCOMPARE(messages.value(0).value(0).toString(), QStringLiteral("Saving file..."));
        QVERIFY(waitForRuns());
        QCOMPARE(f->statusText(), QStringLiteral("ZYN Files saved."));
        QCOMPARE(w.windowTitle(), QStringLiteral("target.xdp - ") + f->title());
        QVERIFY(TestFiles::read(f->targetsDir() + QStringLiteral("/target/target.ini"))
                    .startsWith("NAME=\"C++ Demo Board\"\n"));

        const QString text = f->env().scratch() + QStringLiteral("/printed");
        f->dialogs().answer(text);
        w.fileExportAs();
        const auto q = f->dialogs().last();
        QCOMPARE(q.objectName, QStringLiteral("Export ZYN dialog"));
        QCOMPARE(q.caption, QStringLiteral("Export xdp In"));
        QCOMPARE(q.filter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(f->statusText(), QStringLiteral("Generate ZYN..."));
        QVERIFY(waitForRuns());
        QCOMPARE(f->statusText(), QStringLiteral("xdp file exported."));
        QVERIFY(TestFiles::read(text + QStringLiteral(".txt")).contains("Demo Board"));
        QVERIFY(m_errorTexts.isEmpty());
    }

    void scriptFailuresAreReported_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("startable");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("status");

        QTest::newRow("generator exits 1 after three error lines")
            << "zyngen.pl" << QByteArray("print STDERR qq(first\\nsecond\\nthird\\n); exit 1;")
            << true << "third\n"
            << "ERROR during saving file.";
        QTest::newRow("exporter exits 1 after three error lines")
            << "zynprint.pl" << QByteArray("print STDERR qq(first\\nsecond\\nthird\\n); exit 1;")
            << true << "third\n"
            << "ERROR during export file.";
        QTest::newRow("generator crashes")
            << "zyngen.pl" << QByteArray("print STDERR qq(dying\\n); kill 'KILL', $$; sleep 60;")
            << true << ""
            << "Generate ZYN...";
        QTest::newRow("generator cannot start") << "zyngen.pl" << QByteArray() << false << ""
                                                << "ERROR: cannot generate all the Moravel files.";
        QTest::newRow("exporter cannot start") << "zynprint.pl" << QByteArray() << false << ""
                                               << "ERROR: cannot export this Moravel (xdp) file.";
    }
    void scriptFailuresAreReported()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, body);
        QFETCH(bool, startable);
        QFETCH(QString, dialog);
        QFETCH(QString, status);

        QString path;
        QVERIFY(open(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        if (startable)
            QVERIFY(f->replaceScript(script, body));
        else
            qputenv("ZYN_PERL", "/nonexistent/perl");
        recordErrorDialogs(1);
        const QString text = f->env().scratch() + QStringLiteral("/printed.txt");
        if (script == QLatin1String("zyngen.pl")) {
            w.fileSave();
        } else {
            f->dialogs().answer(text);
            w.fileExportAs();
        }
        QVERIFY(waitForRuns());

        if (!startable) {
            dialog = QStringLiteral("/nonexistent/perl-w") + f->scriptPath(script) + path
                + QStringLiteral("\nUnable to run command");
        }
        QCOMPARE(m_errorTexts, dialog.isEmpty() ? QStringList() : QStringList { dialog });
        QCOMPARE(f->statusText(), status);
    }

    void aRunReportsOnItselfOnly()
    {
        // The generator waits for a gate, then fails; the export meanwhile succeeds.
        const QString gate = f->env().scratch() + QStringLiteral("/gate");
        qputenv("FAKE_GATE", QFile::encodeName(gate));
        QVERIFY(f->replaceScript(
            QStringLiteral("zyngen.pl"),
            "my $n = 0;\n"
            "select(undef, undef, undef, 0.02) until -e $ENV{FAKE_GATE} || ++$n > 3000;\n"
            "print STDERR qq(generator failed\\n); exit 1;\n"));
        QVERIFY(f->replaceScript(QStringLiteral("zynprint.pl"),
                                 "print STDERR qq(export note\\n); exit 0;\n"));
        QVERIFY(open(QStringLiteral("target.xdp")));
        QAMainWindowEditor &w = f->window();
        recordErrorDialogs(1);

        w.fileSave();
        QList<QAScriptRunner *> runners
            = w.findChildren<QAScriptRunner *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(runners.size(), 1);
        QPointer<QAScriptRunner> generator = runners.first();
        f->dialogs().answer(f->env().scratch() + QStringLiteral("/printed.txt"));
        w.fileExportAs();
        QSignalSpy messages(w.statusBar(), &QStatusBar::messageChanged);
        QTRY_VERIFY_WITH_TIMEOUT(messages.contains({ QStringLiteral("xdp file exported.") }),
                                 60000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(generator && generator->isRunning());
        QVERIFY(m_errorTexts.isEmpty());

        QVERIFY(TestFiles::write(gate, "open"));
        QVERIFY(waitForRuns());
        QCOMPARE(m_errorTexts, QStringList { QStringLiteral("generator failed\n") });
        QCOMPARE(f->statusText(), QStringLiteral("ERROR during saving file."));
        qunsetenv("FAKE_GATE");
    }
};

QTEST_MAIN(TestLifecycleSave)
#include "tst_lifecycle_save.moc"

#include "lifecyclefixture.h"

#include "dialogs/qanewzyndlg.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

// Generated target directories: path of an .ini file -> its content.
using TargetFiles = TestFiles::Files;

// Opening documents: the checks on the way in, the version conversion with the real script,
// what a refused file leaves behind, the caption, new documents, and the list of known targets.
class TestLifecycleOpen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LifecycleFixture> f;

    [[nodiscard]] bool verifyOpen(const QString &path, const QString &caption)
    {
        return checked([&] {
            QAMainWindowEditor &w = f->window();
            QCOMPARE(w.currentFilePath(), path);
            QCOMPARE(w.windowTitle(), caption + QStringLiteral(" - ") + f->title());
            QVERIFY(f->fileActionsEnabled());
            QVERIFY(w.editorArea()->editorTree()->topLevelItem(0));
            QCOMPARE(w.editorArea()->editorTree()->currentItem(),
                     w.editorArea()->editorTree()->topLevelItem(0));
            QVERIFY(!w.editorArea()->isModified());
            QCOMPARE(f->statusText(), QStringLiteral("File loaded."));
        });
    }

    static QStringList listed(const QAMainWindowEditor &w)
    {
        QStringList list;
        for (const auto &entry : w.targets())
            list << entry->directoryName + QLatin1Char('|') + entry->targetName;
        return list;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<LifecycleFixture>();
        QVERIFY(f->ready());
    }
    void cleanup() { f.reset(); }

    void opensThroughTheOpenDialog()
    {
        QString path;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &path));
        f->dialogs().answer(path);
        f->window().fileOpen();

        const auto open = f->asked(DialogKind::OpenFile);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open[0].objectName, QStringLiteral("FSB"));
        QCOMPARE(open[0].caption, QStringLiteral("Open"));
        QCOMPARE(open[0].startWith, f->templateDir());
        QCOMPARE(open[0].filter, QStringLiteral("Moravel files ( *.xdp);;All files (*)"));
        QVERIFY(verifyOpen(path, QStringLiteral("target.xdp")));
        QCOMPARE(f->window().editorArea()->generateInField()->text(), f->targetsDir());
    }

    void refusesWhatItCannotEdit_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QList<DialogKind>>("kind"); // empty: nothing asked
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accessWarning");

        const QString access
            = QStringLiteral("\n\nYou don't have the access right to read this .xdp file.");
        const QList<DialogKind> message { DialogKind::Message };
        QTest::newRow("missing file") << "" << message << access << true;
        QTest::newRow("directory") << "/" << message << access << true;
        QTest::newRow("root is not ZYN") << "notzyn.xdp" << QList<DialogKind>() << "" << false;
        QTest::newRow("version the script does not know")
            << "v2010.xdp" << message << "Unknown version for ZYN file, can't edit" << false;
        QTest::newRow("older version, don't edit")
            << "v2008.xdp" << QList<DialogKind> { DialogKind::Choice }
            << "This xdp file does not correspond to the current version. It requires an update "
               "to be edited."
            << false;
    }
    void refusesWhatItCannotEdit()
    {
        QFETCH(QString, fixture);
        QFETCH(QList<DialogKind>, kind);
        QFETCH(QString, text);
        QFETCH(bool, accessWarning);

        QString path;
        if (fixture.isEmpty())
            path = f->env().scratch() + QStringLiteral("/missing.xdp");
        else if (fixture == QLatin1String("/"))
            path = f->env().scratch();
        else
            QVERIFY(f->fixture(fixture, &path));
        const QByteArray before = TestFiles::read(path);
        if (kind.contains(DialogKind::Choice))
            f->dialogs().answer(1); // "Don't edit"

        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);

        QCOMPARE(f->dialogs().questions().size(), kind.isEmpty() ? 0 : 1);
        if (!kind.isEmpty()) {
            const auto q = f->dialogs().last();
            QCOMPARE(q.kind, kind.first());
            QCOMPARE(q.caption, f->title());
            QCOMPARE(q.text, accessWarning ? path + text : text);
            if (q.kind == DialogKind::Choice) {
                QCOMPARE(q.buttonTexts, QStringList({ "Update", "Don't edit" }));
                QCOMPARE(q.defaultIndex, 0);
            }
        }
        QCOMPARE(f->statusText(),
                 accessWarning ? QString() : QStringLiteral("ERROR: cannot load the file."));
        QCOMPARE(w.windowTitle(), f->title());
        QVERIFY(!f->fileActionsEnabled());
        QVERIFY(w.currentFilePath().isEmpty());
        QCOMPARE(w.editorArea()->editorTree()->topLevelItemCount(), 0);
        QCOMPARE(TestFiles::read(path), before);
    }

    // A file the reader refuses: the usual failure, followed by where and why.
    void refusalSaysWhy()
    {
        const QString path = f->env().scratch() + QStringLiteral("/entities.xdp");
        QVERIFY(TestFiles::write(path,
                                 "<!DOCTYPE ZYN [<!ENTITY x SYSTEM \"/etc/hostname\">]>\n"
                                 "<ZYN Name=\"n\" Version=\"V2009\">&x;</ZYN>\n"));
        f->window().loadFile(path, false);
        QCOMPARE(f->statusText(),
                 QStringLiteral("ERROR: cannot load the file. 2: the document refers to the "
                                "external entity 'x', which is not read"));
        QVERIFY(!f->fileActionsEnabled());
    }

    void refusedFileKeepsTheOpenDocument()
    {
        QString path;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);
        w.editorArea()->setModified(true);

        QString newer;
        QVERIFY(f->fixture(QStringLiteral("v2010.xdp"), &newer));
        w.loadFile(newer, false);

        QCOMPARE(f->statusText(), QStringLiteral("ERROR: cannot load the file."));
        QCOMPARE(w.currentFilePath(), path);
        QCOMPARE(w.windowTitle(), QStringLiteral("target.xdp - ") + f->title());
        QVERIFY(f->fileActionsEnabled());
        QVERIFY(w.editorArea()->isModified());
        QCOMPARE(w.editorArea()->rootElement().attribute(QStringLiteral("Name")),
                 QStringLiteral("Demo Board"));
        QCOMPARE(w.editorArea()->editorTree()->topLevelItemCount(), 1);
    }

    void convertsAnOlderVersionWithTheScript()
    {
        QString path;
        QVERIFY(f->fixture(QStringLiteral("v2008.xdp"), &path));
        f->dialogs().answer(0); // "Update"
        f->window().loadFile(path, false);

        QCOMPARE(f->asked(DialogKind::Choice).size(), 1);
        QCOMPARE(f->dialogs().questions().size(), 1);
        QDomDocument document;
        const QDomElement root = QAXmlEditor::readRootElement(path, document);
        QCOMPARE(root.attribute(QStringLiteral("Version")), QStringLiteral("V2009"));
        QCOMPARE(root.attribute(QStringLiteral("Name")), QStringLiteral("Old Board"));
        QVERIFY(verifyOpen(path, QStringLiteral("v2008.xdp")));
        QCOMPARE(f->window().editorArea()->rootElement().attribute(QStringLiteral("Version")),
                 QStringLiteral("V2009"));
    }

    void failedConversionIsReported()
    {
        // The script is missing: the update cannot start.
        QString path;
        QVERIFY(f->fixture(QStringLiteral("v2008.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        QVERIFY(QFile::remove(f->scriptPath(QStringLiteral("zynver.pl"))));
        qputenv("ZYN_PERL", "/nonexistent/perl");
        f->dialogs().answer(0);
        w.loadFile(path, false);

        QCOMPARE(f->dialogs().last().text, QStringLiteral("Error updating ZYN file, cancel load"));
        QCOMPARE(f->dialogs().last().icon, QMessageBox::Critical);
        QCOMPARE(f->statusText(), QStringLiteral("ERROR: cannot load the file."));
        QVERIFY(!f->fileActionsEnabled());
    }

    void versionScriptDecides_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("boxes");

        const QString outdated = QStringLiteral("choice");
        QTest::newRow("newer than the editor")
            << "v2010.xdp" << QStringList()
            << QStringList { "ZYN file is newer than editor, please update your editor" };
        QTest::newRow("failed update asks again")
            << "v2008.xdp" << QStringList { "0", "1" } << QStringList { outdated, outdated };
    }
    void versionScriptDecides()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, boxes);

        // A script that knows a version newer than the editor's and cannot convert anything.
        QVERIFY(f->replaceScript(
            QStringLiteral("zynver.pl"),
            "if ($ARGV[0] eq '-list') { print qq(V2008\\nV2009\\nV2010\\n); exit 0; }\n"
            "print STDERR qq(cannot convert\\n); exit 1;\n"));
        QString path;
        QVERIFY(f->fixture(fixture, &path));
        const QByteArray before = TestFiles::read(path);
        for (const QString &answer : answers)
            f->dialogs().answer(answer.toInt());
        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);

        QStringList asked;
        for (const auto &q : f->dialogs().questions()) {
            if (q.kind != DialogKind::Exec)
                asked << (q.kind == DialogKind::Choice ? QStringLiteral("choice") : q.text);
        }
        QCOMPARE(asked, boxes);
        // The failed conversion is shown as well.
        QCOMPARE(f->asked(DialogKind::Exec).size(), answers.isEmpty() ? 0 : 1);
        QCOMPARE(f->statusText(), QStringLiteral("ERROR: cannot load the file."));
        QVERIFY(!f->fileActionsEnabled());
        QCOMPARE(TestFiles::read(path), before);
    }

    void missingGenerateInFallsBackToTheDefault()
    {
        QString elsewhere;
        QVERIFY(f->fixture(QStringLiteral("elsewhere.xdp"), &elsewhere));
        QAMainWindowEditor &w = f->window();
        w.loadFile(elsewhere, false);
        QCOMPARE(w.generateInDirectory(), f->targetsDir());
        QCOMPARE(w.editorArea()->generateInField()->text(), f->targetsDir());

        // An existing one the user has not used before is taken once the user agrees.
        const QString existing = f->env().scratch() + QStringLiteral("/out");
        f->dialogs().answer(0);
        QVERIFY(QDir().mkpath(existing));
        const QString path = f->env().scratch() + QStringLiteral("/there.xdp");
        QString target;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &target));
        QByteArray content = TestFiles::read(target);
        content.replace("read_only=\"no\"",
                        "read_only=\"no\" generate_in=\"" + existing.toUtf8() + '"');
        QVERIFY(TestFiles::write(path, content));
        w.loadFile(path, false);
        QCOMPARE(w.generateInDirectory(), existing);
        QCOMPARE(f->asked(DialogKind::Choice).size(), 1);
    }

    void captionMarksProtectedDocuments()
    {
        QString path;
        QVERIFY(f->fixture(QStringLiteral("protected.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);
        QCOMPARE(w.windowTitle(), QStringLiteral("protected.xdp (Read only) - ") + f->title());

        // Under the new-document name the mark is left out.
        QVERIFY(f->fixture(QStringLiteral("protected.xdp"), &path, QStringLiteral("document.xdp")));
        w.loadFile(path, false);
        QCOMPARE(w.windowTitle(), QStringLiteral("document.xdp - ") + f->title());
    }

    void newDocumentStartsFromTheChosenTemplate()
    {
        f->dialogs().onExec([](QDialog *dialog) {
            for (auto *button : dialog->findChildren<QRadioButton *>()) {
                if (button->text() == QLatin1String("Ada/Ada83"))
                    button->setChecked(true);
            }
            dialog->accept();
            return dialog->result();
        });
        QAMainWindowEditor &w = f->window();
        w.fileNew();

        const auto exec = f->asked(DialogKind::Exec);
        QCOMPARE(exec.size(), 1);
        QCOMPARE(exec[0].objectName, QStringLiteral("New ZYN Dialog"));
        QCOMPARE(exec[0].dialogClass, QStringLiteral("QANewZynDlg"));
        QVERIFY(verifyOpen(f->templateDir() + QStringLiteral("/document.xdp"),
                           QStringLiteral("document.xdp")));
        QCOMPARE(w.editorArea()->rootElement().attribute(QStringLiteral("read_only")),
                 QStringLiteral("yes"));
        QCOMPARE(w.editorArea()->rootElement().attribute(QStringLiteral("type")),
                 QStringLiteral("ADA"));
        QVERIFY(!QFileInfo::exists(f->templateDir() + QStringLiteral("/document.xdp")));

        // Cancelled: nothing changes.
        f->dialogs().answer(int(QDialog::Rejected));
        w.fileNew();
        QCOMPARE(w.currentFilePath(), f->templateDir() + QStringLiteral("/document.xdp"));
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("goesOn");

        QTest::newRow("yes saves and stops") << int(QMessageBox::Yes) << true << false;
        QTest::newRow("no goes on without saving") << int(QMessageBox::No) << false << true;
        QTest::newRow("cancel stops") << int(QMessageBox::Cancel) << false << false;
    }
    void unsavedChangesQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, goesOn);

        QString path;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &path));
        const QByteArray before = TestFiles::read(path);
        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);
        w.editorArea()->setModified(true);
        f->dialogs().clear();
        f->dialogs().answer(answer);
        f->dialogs().answer(QString()); // the open dialog, if it comes: cancelled
        QSignalSpy messages(w.statusBar(), &QStatusBar::messageChanged);
        w.fileOpen();

        const auto q = f->dialogs().questions().first();
        QCOMPARE(q.kind, DialogKind::Message);
        QCOMPARE(q.icon, QMessageBox::Information);
        QCOMPARE(q.text, QStringLiteral("Save changes to target.xdp?"));
        QCOMPARE(q.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(q.defaultButton, QMessageBox::Yes);
        QCOMPARE(q.escapeButton, QMessageBox::Cancel);
        QCOMPARE(f->asked(DialogKind::OpenFile).size(), goesOn ? 1 : 0);
        QCOMPARE(TestFiles::read(path) != before, saved);
        QCOMPARE(w.editorArea()->isModified(), !saved);
        if (saved) {
            // The save also generated; wait for the generator to finish.
            QTRY_VERIFY_WITH_TIMEOUT(messages.contains({ QStringLiteral("ZYN Files saved.") }),
                                     60000);
        }
    }

    void scansTheTargetsOfADirectory_data()
    {
        QTest::addColumn<TargetFiles>("files");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("quotes and NAME= removed")
            << TargetFiles { { "board/board.ini", "NAME=\"C++ Board\"\n[IS_C]\nSRCEXT=.c\n" } }
            << QStringList { "board|C++ Board" };
        QTest::newRow("directories in name order, one entry per NAME= line")
            << TargetFiles { { "b/x.ini", "NAME=\"Ada B\"\n" },
                             { "a/x.ini", "NAME=\"C++ A\"\r\n" },
                             { "a/y.ini", "NAME=\"C++ A2\"\n" } }
            << QStringList { "a|C++ A", "a|C++ A2", "b|Ada B" };
        QTest::newRow("case-sensitive key, other files and loose files ignored")
            << TargetFiles { { "c/c.ini", "name=\"C++ c\"\n" },
                             { "c/c.txt", "NAME=\"C++ txt\"\n" },
                             { "loose.ini", "NAME=\"C++ loose\"\n" } }
            << QStringList {};
    }
    void scansTheTargetsOfADirectory()
    {
        QFETCH(TargetFiles, files);
        QFETCH(QStringList, expected);

        const QString root = f->env().scratch() + QStringLiteral("/generated");
        QVERIFY(QDir().mkpath(root));
        QVERIFY(TestFiles::writeAll(root, files));
        QAMainWindowEditor &w = f->window();
        w.scanTargets(root);
        QCOMPARE(listed(w), expected);
    }

    void scanOfAMissingDirectoryEmptiesTheList()
    {
        const QString root = f->env().scratch() + QStringLiteral("/generated");
        QVERIFY(TestFiles::writeAll(root, { { "a/a.ini", "NAME=\"C++ A\"\n" } }));
        QAMainWindowEditor &w = f->window();
        w.scanTargets(root);
        QCOMPARE(w.targets().size(), size_t(1));

        const QString missing = f->env().scratch() + QStringLiteral("/nowhere");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(missing + " directory doesn't exists"));
        w.scanTargets(missing);
        QVERIFY(w.targets().empty());
        QVERIFY(!w.currentTarget());
    }

    void findsTargetsExactly_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("index");

        QTest::newRow("exact") << "demo"
                               << "C++ Demo Board" << 0;
        QTest::newRow("last of equal entries") << "twin"
                                               << "Ada Twin" << 3;
        QTest::newRow("directory differs in case") << "Demo"
                                                   << "C++ Demo Board" << -1;
        QTest::newRow("label differs in case") << "demo"
                                               << "C++ demo board" << -1;
        QTest::newRow("blank after the prefix missing") << "demo"
                                                        << "C++Demo Board" << -1;
        QTest::newRow("trailing blank") << "demo"
                                        << "C++ Demo Board " << -1;
    }
    void findsTargetsExactly()
    {
        QFETCH(QString, directory);
        QFETCH(QString, label);
        QFETCH(int, index);

        const QString root = f->env().scratch() + QStringLiteral("/generated");
        QVERIFY(TestFiles::writeAll(root,
                                    { { "demo/demo.ini", "NAME=\"C++ Demo Board\"\n" },
                                      { "twin/a.ini", "NAME=\"Ada Twin\"\nNAME=\"Ada Other\"\n" },
                                      { "twin/b.ini", "NAME=\"Ada Twin\"\n" } }));
        QAMainWindowEditor &w = f->window();
        w.scanTargets(root);
        QCOMPARE(w.targets().size(), size_t(4));
        const auto *expected = index < 0 ? nullptr : w.targets().at(size_t(index)).get();
        QCOMPARE(w.findTarget(directory, label), expected);
    }

    void tellsWhetherTheTargetNameIsFree_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<bool>("free");

        QTest::newRow("same label in another directory")
            << QByteArray("C++ Demo Board") << "other" << false;
        QTest::newRow("same label in its own directory")
            << QByteArray("C++ Demo Board") << "target" << true;
        QTest::newRow("other family") << QByteArray("Ada Demo Board") << "other" << true;
        QTest::newRow("label differs in case") << QByteArray("C++ demo Board") << "other" << true;
        QTest::newRow("no blank after the prefix")
            << QByteArray("C++Demo Board") << "other" << true;
    }
    void tellsWhetherTheTargetNameIsFree()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, directory);
        QFETCH(bool, free);

        QString path;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &path));
        QAMainWindowEditor &w = f->window();
        w.loadFile(path, false);
        const QDomElement root = w.editorArea()->rootElement();
        QCOMPARE(QAMainWindowEditor::targetLabel(root), QStringLiteral("C++ Demo Board"));

        const QString generated = f->env().scratch() + QStringLiteral("/generated");
        QVERIFY(
            TestFiles::writeAll(generated, { { directory + "/x.ini", "NAME=\"" + ini + "\"\n" } }));
        w.scanTargets(generated);
        QCOMPARE(w.isTargetNameFree(root), free);
    }

    void targetLabelFollowsTheType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("label");
        QTest::newRow("CCPP") << "CCPP"
                              << "C++ N";
        QTest::newRow("lower case ccpp") << "ccpp"
                                         << "Ada N";
        QTest::newRow("ADA") << "ADA"
                             << "Ada N";
        QTest::newRow("none") << ""
                              << "Ada N";
    }
    void targetLabelFollowsTheType()
    {
        QFETCH(QString, type);
        QFETCH(QString, label);
        QDomDocument document;
        QDomElement root = document.createElement(QStringLiteral("ZYN"));
        root.setAttribute(QStringLiteral("Name"), QStringLiteral("N"));
        if (!type.isEmpty())
            root.setAttribute(QStringLiteral("type"), type);
        QCOMPARE(QAMainWindowEditor::targetLabel(root), label);
    }

    void startUpOpensTheCommandLineOrTheRecentFile()
    {
        QString recent;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &recent));
        QSettings().setValue(QStringLiteral("/Corvin/zyneditor/recentFile"), recent);
        {
            QAMainWindowEditor w({ QStringLiteral(ZYN_EDITOR_BINARY) });
            QCOMPARE(w.currentFilePath(), recent);
        }
        QString given;
        QVERIFY(f->fixture(QStringLiteral("target.xdp"), &given, QStringLiteral("given.xdp")));
        {
            QAMainWindowEditor w({ QStringLiteral(ZYN_EDITOR_BINARY), given });
            QCOMPARE(w.currentFilePath(), given);
        }
        QFile::remove(recent);
        {
            QAMainWindowEditor w({ QStringLiteral(ZYN_EDITOR_BINARY) });
            QVERIFY(w.currentFilePath().isEmpty());
            QVERIFY(f->dialogs().questions().isEmpty());
        }
    }
};

QTEST_MAIN(TestLifecycleOpen)
#include "tst_lifecycle_open.moc"

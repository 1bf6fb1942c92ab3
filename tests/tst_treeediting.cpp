#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "document/zyntreebuilder.h"
#include "sdk/qaxmleditor.h"
#include "services/productflavour.h"
#include "services/qazynwaitdlg.h"
#include "support/checked.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"
#include "support/testwidgets.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

namespace {

const int EncoderTimeout = 60000;

QString caption()
{
    return QString::fromLatin1(productTitle());
}

// Every fake encoder records its arguments beside itself first.
const QByteArray fakePrelude = "use strict;\n"
                               "my ($in, $out) = @ARGV;\n"
                               "open(my $log, '>', \"$0.args\") or die;\n"
                               "print $log \"$in\\n$out\\n\";\n"
                               "close $log;\n";

const QByteArray writeValidOutput
    = "open(my $o, '>', $out) or die;\n"
      "print $o qq{<BASE64 Size=\"2\" Encoding=\"base64\">aGk=</BASE64>\\n};\n"
      "close $o;\n";

} // namespace

// Structural edits of the tree: carried files added, encoded, deleted and renamed.
class TestTreeEditing : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QTemporaryDir> m_fakeInstall;
    QAZynEditorTree *m_tree = nullptr;
    QLineEdit *m_elsewhere = nullptr;
    QDomDocument m_document;
    QDomElement m_root;

    [[nodiscard]] bool open(const QString &fixture, const QString &installDir = QString())
    {
        return checked([&] {
            m_env = std::make_unique<TestEnvironment>(installDir);
            m_dialogs = std::make_unique<ScriptedDialogs>();
            m_window = std::make_unique<QWidget>();
            auto *layout = new QVBoxLayout(m_window.get());
            m_tree = new QAZynEditorTree(m_window.get(), QStringLiteral("Editor Tree"));
            m_elsewhere = new QLineEdit(m_window.get());
            layout->addWidget(m_tree);
            layout->addWidget(m_elsewhere);
            m_root = QAXmlEditor::readRootElement(TestEnvironment::dataFile("tree/" + fixture),
                                                  m_document);
            QVERIFY(!m_root.isNull());
            QVERIFY(buildZynTree(m_tree, m_root));
            m_window->show();
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            m_tree->setFocus();
        });
    }

    // A copy of the installation whose encoder is the given fake, in fakeInstall().
    [[nodiscard]] bool fakeEncoder(const QByteArray &body)
    {
        m_fakeInstall = std::make_unique<QTemporaryDir>();
        return TestFiles::write(fakeScript(), fakePrelude + body);
    }
    QString fakeInstall() const { return m_fakeInstall->path(); }
    QString fakeScript() const
    {
        return m_fakeInstall->filePath(QStringLiteral("lib/scripts/encode64.pl"));
    }
    QStringList fakeArguments() const
    {
        return QString::fromLocal8Bit(TestFiles::read(fakeScript() + ".args"))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTreeWidgetItem *item(const QString &text) const
    {
        const auto found = m_tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0);
    }
    QDomElement buildElement() const { return m_root.firstChildElement(QStringLiteral("BUILD")); }
    QTreeWidgetItem *buildNode() const { return item(QStringLiteral("Build")); }

    // BUILD's children in the document, files by name, steps by tag.
    QStringList documentFiles() const
    {
        QStringList names;
        for (QDomElement e = buildElement().firstChildElement(); !e.isNull();
             e = e.nextSiblingElement()) {
            if (e.tagName() != QLatin1String("COMMENT"))
                names << (e.hasAttribute("Name") ? e.attribute("Name") : e.tagName());
        }
        return names;
    }
    QStringList treeFiles() const
    {
        QStringList texts;
        for (int i = 0; i < buildNode()->childCount(); ++i)
            texts << buildNode()->child(i)->text(0);
        return texts;
    }

    // Writes a file of every byte value whose name has blanks; sets path to it.
    [[nodiscard]] bool binaryFile(QString *path)
    {
        *path = m_env->scratch() + QStringLiteral("/dir with blanks/data file.bin");
        QByteArray bytes;
        for (int i = 0; i < 3000; ++i)
            bytes.append(char(i * 7 % 256));
        return TestFiles::write(*path, bytes);
    }

    QLineEdit *renameEditor() const { return m_tree->viewport()->findChild<QLineEdit *>(); }

private Q_SLOTS:
    void cleanup()
    {
        m_window.reset();
        m_tree = nullptr;
        m_dialogs.reset();
        m_env.reset();
        m_fakeInstall.reset();
        m_document = QDomDocument();
        qunsetenv("ZYN_PERL");
    }

    void addsTextFiles_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("asChild");
        QTest::addColumn<QStringList>("files");

        const QStringList before { "COMPILATION", "start.sh", "LINK", "libsupport.a" };
        const QStringList after = QStringList(before) << "NewAsciiFile.txt";
        QTest::newRow("append on a build step goes last in BUILD") << "carriedfiles.xdp"
                                                                   << "Compiler" << false << after;
        QTest::newRow("append on a carried file") << "carriedfiles.xdp"
                                                  << "start.sh" << false << after;
        QTest::newRow("add child on BUILD") << "carriedfiles.xdp"
                                            << "Build" << true << after;
        QTest::newRow("add child on BUILD without children")
            << "emptybuild.xdp"
            << "Build" << true << QStringList { "NewAsciiFile.txt" };
    }
    void addsTextFiles()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, current);
        QFETCH(bool, asChild);
        QFETCH(QStringList, files);

        QVERIFY(open(fixture));
        QVERIFY(!m_tree->isModified());
        m_tree->setCurrentItem(item(current));
        if (asChild)
            m_tree->addChildAsciiFile();
        else
            m_tree->appendAsciiFile();

        QCOMPARE(documentFiles(), files);
        QStringList shown = files;
        shown.replaceInStrings("COMPILATION", "Compiler").replaceInStrings("LINK", "Linker");
        QCOMPARE(treeFiles(), shown);

        const QDomElement file = buildElement().lastChildElement();
        QCOMPARE(file.tagName(), QStringLiteral("NEWCMDFILE"));
        QCOMPARE(file.attributes().count(), 1);
        QCOMPARE(file.childNodes().count(), 2);
        QCOMPARE(file.firstChild().toElement().tagName(), QStringLiteral("COMMENT"));
        QCOMPARE(file.lastChild().toElement().tagName(), QStringLiteral("VALUE"));
        QVERIFY(!file.firstChild().hasChildNodes() && !file.lastChild().hasChildNodes());

        QTreeWidgetItem *node = buildNode()->child(buildNode()->childCount() - 1);
        QCOMPARE(node->type(), int(QAZynEditorNode::TextFileType));
        QCOMPARE(zynNode(node)->data(), file);
        QCOMPARE(m_tree->currentItem(), node);
        QCOMPARE(m_tree->renamingItem(), node);
        QVERIFY(m_tree->isModified());
    }

    void twoTextFilesInARowShareTheDefaultName()
    {
        QVERIFY(open("carriedfiles.xdp"));
        m_tree->setCurrentItem(item("Compiler"));
        m_tree->appendAsciiFile();
        m_tree->appendAsciiFile();
        QCOMPARE(documentFiles().mid(4), QStringList({ "NewAsciiFile.txt", "NewAsciiFile.txt" }));
        QCOMPARE(treeFiles().mid(4), QStringList({ "NewAsciiFile.txt", "NewAsciiFile.txt" }));
        QCOMPARE(m_tree->currentItem(), buildNode()->child(5));
    }

    void addsBinaryFileWithTheRealEncoder()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no perl");
        QVERIFY(open("carriedfiles.xdp"));
        // A file of the user's that an encoder writing into the working directory would eat.
        const QString userFile = m_env->scratch() + QStringLiteral("/tmp.txt");
        QVERIFY(TestFiles::write(userFile, "mine"));
        const QString previousDirectory = QDir::currentPath();
        QDir::setCurrent(m_env->scratch());
        QString chosen;
        QVERIFY(binaryFile(&chosen));

        QSignalSpy status(m_tree, &QAZynEditorTree::statusMsg);
        m_dialogs->answer(chosen);
        m_tree->setCurrentItem(item("Linker"));
        m_tree->appendBinaryFile();
        QVERIFY(m_tree->isAddingBinaryFile());
        QTRY_VERIFY_WITH_TIMEOUT(!m_tree->isAddingBinaryFile(), EncoderTimeout);
        QDir::setCurrent(previousDirectory);

        const ScriptedDialogs::Question question = m_dialogs->questions().value(0);
        QCOMPARE(question.kind, DialogKind::OpenFile);
        QCOMPARE(question.objectName, QStringLiteral("FSB"));
        QCOMPARE(question.caption, QStringLiteral("Add a Binary File"));
        QCOMPARE(question.filter, QStringLiteral("Binary files (*)"));
        QCOMPARE(question.startWith, m_env->scratch());
        QCOMPARE(m_dialogs->questions().size(), 1);

        QCOMPARE(status.size(), 2);
        QCOMPARE(status.at(0), QVariantList({ "Adding binary file...", 33333 }));
        QCOMPARE(status.at(1), QVariantList({ "Binary file added.", 2000 }));

        const QDomElement file = buildElement().lastChildElement();
        QCOMPARE(file.tagName(), QStringLiteral("NEWBINFILE"));
        QCOMPARE(file.attribute("Name"), QStringLiteral("data file.bin"));
        QCOMPARE(file.firstChildElement().tagName(), QStringLiteral("COMMENT"));
        const QDomElement content = file.firstChildElement().nextSiblingElement();
        QCOMPARE(content.ownerDocument(), m_document);
        QCOMPARE(QByteArray::fromBase64(content.text().toLatin1()), TestFiles::read(chosen));

        QTreeWidgetItem *node = buildNode()->child(buildNode()->childCount() - 1);
        QCOMPARE(node->text(0), QStringLiteral("data file.bin"));
        QCOMPARE(node->type(), int(QAZynEditorNode::BinaryFileType));
        QCOMPARE(m_tree->currentItem(), node);
        QCOMPARE(m_tree->renamingItem(), node);
        QVERIFY(m_tree->isModified());
        QCOMPARE(TestFiles::read(userFile), QByteArray("mine"));
        QVERIFY(!binaryWaitDialog());
    }

    void failingEncoder_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("boxCaption"); // empty: no box
        QTest::addColumn<QString>("boxText"); // %1 = the output file
        QTest::addColumn<bool>("textIsPrefix");

        const QString title = caption();
        QTest::newRow("exits 1 with error lines: the last one is shown")
            << QByteArray("print STDERR \"encode64.pl: first problem\\n\";\n"
                          "print STDERR \"encode64.pl: cannot open 'x': No such file\\n\";\n"
                          "exit 1;\n")
            << title << "encode64.pl: cannot open 'x': No such file\n"
            << false;
        QTest::newRow("many error lines at once")
            << QByteArray("print STDERR \"line $_\\n\" for 1 .. 5000;\n"
                          "print STDERR \"the last one\\n\";\nexit 3;\n")
            << title << "the last one\n"
            << false;
        QTest::newRow("last error line without a line end")
            << QByteArray("print STDERR \"partial\\nno line end\";\nexit 1;\n") << title
            << "no line end\n"
            << false;
        QTest::newRow("exits 1 without a word")
            << QByteArray("exit 1;\n") << title << "The encoding script failed with exit status 1."
            << false;
        QTest::newRow("crashes: no box")
            << QByteArray("kill 'KILL', $$;\nsleep 5;\n") << QString() << QString() << false;
        QTest::newRow("writes malformed XML")
            << QByteArray("open(my $o, '>', $out) or die;\n"
                          "print $o qq{<BASE64 Size=\"3\">abc};\nclose $o;\n")
            << "Critical Error"
            << "Parsing error for file %1\n(" << true;
        QTest::newRow("writes no output") << QByteArray("exit 0;\n") << "Critical Error"
                                          << "Cannot open file %1" << false;
    }
    void failingEncoder()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, boxCaption);
        QFETCH(QString, boxText);
        QFETCH(bool, textIsPrefix);
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no perl");

        QVERIFY(fakeEncoder(body));
        QVERIFY(open("carriedfiles.xdp", fakeInstall()));
        const QStringList filesBefore = documentFiles();
        QSignalSpy status(m_tree, &QAZynEditorTree::statusMsg);
        QString chosen;
        QVERIFY(binaryFile(&chosen));
        m_dialogs->answer(chosen);
        m_tree->setCurrentItem(item("Compiler"));
        m_tree->appendBinaryFile();
        QVERIFY(binaryWaitDialog());
        QTRY_VERIFY_WITH_TIMEOUT(!m_tree->isAddingBinaryFile(), EncoderTimeout);

        const QStringList arguments = fakeArguments();
        QCOMPARE(arguments.size(), 2);
        const QString output = arguments.at(1);
        QVERIFY(QFileInfo(output).isAbsolute());
        QVERIFY2(!QFileInfo::exists(output), "the output file outlives the add");
        QVERIFY(!QFileInfo::exists(QFileInfo(output).absolutePath()));

        const QList<ScriptedDialogs::Question> boxes = m_dialogs->questions().mid(1);
        if (boxCaption.isEmpty()) {
            QCOMPARE(boxes.size(), 0);
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes.at(0).icon, QMessageBox::Critical);
            QCOMPARE(boxes.at(0).caption, boxCaption);
            const QString expected = boxText.contains("%1") ? boxText.arg(output) : boxText;
            if (textIsPrefix)
                QVERIFY2(boxes.at(0).text.startsWith(expected), qPrintable(boxes.at(0).text));
            else
                QCOMPARE(boxes.at(0).text, expected);
        }
        QCOMPARE(status.last(), QVariantList({ "ERROR during adding binary file.", 2000 }));
        QCOMPARE(documentFiles(), filesBefore);
        QCOMPARE(treeFiles().size(), filesBefore.size());
        QVERIFY(!m_tree->isModified());
        QVERIFY(!binaryWaitDialog());
    }

    void encoderThatCannotStart()
    {
        QVERIFY(open("carriedfiles.xdp"));
        qputenv("ZYN_PERL", "/nonexistent/perl");
        QString chosen;
        QVERIFY(binaryFile(&chosen));
        QSignalSpy status(m_tree, &QAZynEditorTree::statusMsg);
        m_dialogs->answer(chosen);
        m_tree->setCurrentItem(item("Compiler"));
        m_tree->appendBinaryFile();

        QVERIFY(!m_tree->isAddingBinaryFile());
        QCOMPARE(m_dialogs->questions().size(), 2);
        const ScriptedDialogs::Question box = m_dialogs->last();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.caption, caption());
        QCOMPARE(box.text,
                 "/nonexistent/perl-w" + m_env->installDir() + "/lib/scripts/encode64.pl" + chosen
                     + "\nUnable to run command");
        QCOMPARE(status.last(), QVariantList({ "ERROR: adding binary file aborted.", 2000 }));
        QCOMPARE(documentFiles().size(), 4);
        QVERIFY(!binaryWaitDialog());
    }

    void cancelledFileDialogChangesNothing()
    {
        QVERIFY(open("carriedfiles.xdp"));
        QSignalSpy status(m_tree, &QAZynEditorTree::statusMsg);
        m_dialogs->answer(QString());
        m_tree->setCurrentItem(buildNode());
        m_tree->addChildBinaryFile();
        QVERIFY(!m_tree->isAddingBinaryFile());
        QCOMPARE(status.size(), 0);
        QCOMPARE(documentFiles().size(), 4);
        QVERIFY(!m_tree->isModified());
    }

    void whileEncoding_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("added");
        QTest::addColumn<QString>("lastStatus");
        QTest::newRow("a second add is refused") << "second add" << true << "Binary file added.";
        QTest::newRow("the reference node is deleted")
            << "delete reference" << false
            << "ERROR: binary file not added: its place in the tree was removed.";
        QTest::newRow("the tree is cleared")
            << "clear tree" << false
            << "ERROR: binary file not added: its place in the tree was removed.";
    }
    void whileEncoding()
    {
        QFETCH(QString, event);
        QFETCH(bool, added);
        QFETCH(QString, lastStatus);
        if (QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty())
            QSKIP("no perl");

        // The fake waits until the test lets it finish.
        QVERIFY(fakeEncoder("until (-e \"$0.go\") { select(undef, undef, undef, 0.02); }\n"
                            + writeValidOutput));
        QVERIFY(open("carriedfiles.xdp", fakeInstall()));
        QSignalSpy status(m_tree, &QAZynEditorTree::statusMsg);
        QString chosen;
        QVERIFY(binaryFile(&chosen));
        m_dialogs->answer(chosen);
        m_tree->setCurrentItem(item("start.sh"));
        m_tree->appendBinaryFile();
        QVERIFY(m_tree->isAddingBinaryFile());

        QWidget *wait = binaryWaitDialog();
        QVERIFY(wait && wait->isVisible());
        QCOMPARE(wait->windowTitle(), caption());
        QVERIFY(!wait->isModal());
        QCOMPARE(wait->findChild<QLabel *>()->text(),
                 QStringLiteral("Please, wait while adding the binary file..."));

        if (event == "second add") {
            m_dialogs->answer(chosen);
            m_tree->appendBinaryFile();
            QCOMPARE(m_dialogs->questions().size(), 1);
            QCOMPARE(
                status.last().at(0).toString(),
                QStringLiteral("A binary file is already being added; wait until it is done."));
        } else if (event == "delete reference") {
            m_tree->setCurrentItem(item("start.sh"));
            m_tree->deleteSelectedNode();
            QVERIFY(!item("start.sh"));
        } else {
            m_tree->clearTree();
        }
        QVERIFY(TestFiles::write(fakeScript() + ".go", ""));
        QTRY_VERIFY_WITH_TIMEOUT(!m_tree->isAddingBinaryFile(), EncoderTimeout);

        QCOMPARE(status.last().at(0).toString(), lastStatus);
        QCOMPARE(documentFiles().count("data file.bin"), added ? 1 : 0);
        QCOMPARE(m_dialogs->questions().size(), 1);
        QVERIFY(!binaryWaitDialog());
    }

    void deletesOnlyCarriedFiles_data()
    {
        QTest::addColumn<QString>("selected"); // empty: nothing selected
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("currentAfter"); // when deleted
        QTest::newRow("text file: the next sibling becomes current")
            << "start.sh" << true << "Linker";
        QTest::newRow("last binary file: the node above becomes current")
            << "libsupport.a" << true << "Linker";
        QTest::newRow("root is refused") << "Carried Files" << false << "";
        QTest::newRow("group is refused") << "Build" << false << "";
        QTest::newRow("build step is refused") << "Compiler" << false << "";
        QTest::newRow("settings are refused") << "C Language" << false << "";
        QTest::newRow("section is refused") << "Types" << false << "";
        QTest::newRow("nothing selected") << "" << false << "";
    }
    void deletesOnlyCarriedFiles()
    {
        QFETCH(QString, selected);
        QFETCH(bool, deleted);
        QFETCH(QString, currentAfter);

        QVERIFY(open("carriedfiles.xdp"));
        const QString before = m_document.toString();
        if (!selected.isEmpty())
            m_tree->setCurrentItem(item(selected));
        else
            m_tree->clearSelection();
        QTreeWidgetItem *current = m_tree->currentItem();
        const int nodes = buildNode()->childCount();
        const QStringList files = documentFiles();
        m_tree->deleteSelectedNode();

        QCOMPARE(m_tree->isModified(), deleted);
        if (deleted) {
            QCOMPARE(buildNode()->childCount(), nodes - 1);
            QVERIFY(!item(selected));
            QCOMPARE(documentFiles().size(), files.size() - 1);
            QVERIFY(files.contains(selected) && !documentFiles().contains(selected));
            QCOMPARE(m_tree->currentItem()->text(0), currentAfter);
            QVERIFY(m_tree->currentItem()->isSelected());
        } else {
            QCOMPARE(m_document.toString(), before);
            QCOMPARE(buildNode()->childCount(), nodes);
            QCOMPARE(m_tree->currentItem(), current);
        }
    }

    void rename_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("name");
        QTest::newRow("accepted with Enter") << "start.sh"
                                             << "run.sh"
                                             << "enter"
                                             << "run.sh";
        QTest::newRow("binary file accepted") << "libsupport.a"
                                              << "libio.a"
                                              << "enter"
                                              << "libio.a";
        QTest::newRow("root renamed to an empty text") << "Carried Files"
                                                       << ""
                                                       << "enter"
                                                       << "";
        QTest::newRow("accepted by the editor area") << "start.sh"
                                                     << "go.sh"
                                                     << "okRename"
                                                     << "go.sh";
        QTest::newRow("Escape keeps the name") << "start.sh"
                                               << "x.sh"
                                               << "escape"
                                               << "start.sh";
        QTest::newRow("focus loss drops the edit") << "libsupport.a"
                                                   << "x.a"
                                                   << "focus"
                                                   << "libsupport.a";
        QTest::newRow("cancelled by the node") << "start.sh"
                                               << "x.sh"
                                               << "cancelRename"
                                               << "start.sh";
    }
    void rename()
    {
        QFETCH(QString, node);
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, name);

        QVERIFY(open("carriedfiles.xdp"));
        QTreeWidgetItem *target = item(node);
        m_tree->setCurrentItem(target);
        m_tree->startEdit();
        QVERIFY(m_tree->isModified());
        QCOMPARE(m_tree->renamingItem(), target);
        QLineEdit *editor = renameEditor();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);

        if (ending == "enter")
            QTest::keyClick(editor, Qt::Key_Return);
        else if (ending == "escape")
            QTest::keyClick(editor, Qt::Key_Escape);
        else if (ending == "focus")
            m_elsewhere->setFocus();
        else if (ending == "okRename")
            zynNode(target)->okRename(0);
        else
            zynNode(target)->cancelRename(0);

        // The view commits a Return from the event loop.
        QTRY_VERIFY(!m_tree->isRenaming());
        QCOMPARE(target->text(0), name);
        const QDomElement element = zynNode(target)->data();
        QVERIFY(element.hasAttribute("Name"));
        QCOMPARE(element.attribute("Name"), name);
        QVERIFY(m_tree->isModified());
    }

    void acceptingWithoutAnOpenEditWritesNothing()
    {
        QDomDocument document;
        QVERIFY(document.setContent(QStringLiteral("<ZYN><BUILD/></ZYN>")));
        QDomElement root = document.documentElement();
        QAZynEditorTree tree;
        QVERIFY(buildZynTree(&tree, root));
        zynNode(tree.topLevelItem(0))->okRename(0);
        QVERIFY(!root.hasAttribute("Name"));
        QVERIFY(!tree.isModified());
    }

    void renameStartedByKeyCountsAsChange()
    {
        QVERIFY(open("carriedfiles.xdp"));
        m_tree->setCurrentItem(item("start.sh"));
        QTest::keyClick(m_tree, Qt::Key_F2);
        QCOMPARE(m_tree->renamingItem(), item("start.sh"));
        QVERIFY(m_tree->isModified());
        m_tree->clearTree();
        QVERIFY(!m_tree->isModified());
        QVERIFY(!m_tree->isRenaming());
        QCOMPARE(m_tree->topLevelItemCount(), 0);
        QCOMPARE(m_root.firstChildElement("BUILD").childNodes().count(), 5);
    }

    void menuEntriesReachTheTree_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QStringList>("entry");
        QTest::addColumn<QString>("effect");
        QTest::newRow("root rename") << "Carried Files" << QStringList { "&Rename" } << "rename";
        QTest::newRow("build add child")
            << "Build" << QStringList { "&Add Child", "Ascii File" } << "added";
        QTest::newRow("step append")
            << "Linker" << QStringList { "A&ppend", "Ascii File" } << "added";
        QTest::newRow("file delete") << "start.sh" << QStringList { "&Delete" } << "deleted";
        QTest::newRow("file rename") << "libsupport.a" << QStringList { "&Rename" } << "rename";
    }
    void menuEntriesReachTheTree()
    {
        QFETCH(QString, node);
        QFETCH(QStringList, entry);
        QFETCH(QString, effect);

        QVERIFY(open("carriedfiles.xdp"));
        QTreeWidgetItem *target = item(node);
        m_tree->setCurrentItem(target);
        std::unique_ptr<QMenu> menu(zynNode(target)->setupPopupMenu());
        QMenu *current = menu.get();
        QAction *action = nullptr;
        for (const QString &text : entry) {
            const QList<QAction *> actions = current->actions();
            auto found = std::find_if(actions.begin(), actions.end(),
                                      [&](QAction *a) { return a->text() == text; });
            QVERIFY(found != actions.end());
            action = *found;
            current = action->menu();
        }
        action->trigger();

        if (effect == "rename")
            QCOMPARE(m_tree->renamingItem(), target);
        else if (effect == "added")
            QCOMPARE(documentFiles().last(), QStringLiteral("NewAsciiFile.txt"));
        else
            QVERIFY(!item(node));
        QVERIFY(m_tree->isModified());
    }
};

QTEST_MAIN(TestTreeEditing)
#include "tst_treeediting.moc"

#include "app/qamainwindoweditor.h"
#include "app/startup.h"
#include "dialogs/qanewzyndlg.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "sdk/qainstall.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidgetItem>
#include <QXmlStreamReader>

// The German catalogue: complete, covering every document label, and chosen by the locale at
// start-up; a locale without a catalogue leaves the interface in English.
//
// The locale is read once per process, so the start-up checks run this executable again as a
// child with LANG and LC_ALL set; the child does the checks and reports through its exit status.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    static bool inChild() { return qEnvironmentVariableIsSet("ZYN_LOCALE_CHILD"); }

    // Runs the current test function (and row) in a child process under the locale.
    static bool runInChild(const QString &locale, QString *output)
    {
        QString test = QString::fromLatin1(QTest::currentTestFunction());
        if (QTest::currentDataTag())
            test += QLatin1Char(':') + QString::fromUtf8(QTest::currentDataTag());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZYN_LOCALE_CHILD"), QStringLiteral("1"));
        environment.insert(QStringLiteral("LANG"), locale);
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.remove(QStringLiteral("LANGUAGE"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), { test });
        child.waitForFinished(-1);
        *output = QString::fromLocal8Bit(child.readAll());
        return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    }

    // The structure tree of the sample document, built the way the editor builds it.
    static QStringList sampleNodeTexts(QAZynEditor &editor, const TestEnvironment &env)
    {
        QString sample;
        if (!env.copyToScratch(QStringLiteral(ZYN_SOURCE_DIR "/samples/gcc-linux.xdp"), &sample))
            return {};
        QDomElement root = editor.getRootElement(sample);
        if (root.isNull() || !editor.buildTree(root))
            return {};
        QStringList texts;
        QTreeWidgetItem *top = editor.editorTree()->topLevelItem(0);
        for (int i = 0; top && i < top->childCount(); ++i)
            texts << top->child(i)->text(0);
        return texts;
    }

    static QStringList menuTitles(QAMainWindowEditor &window)
    {
        QStringList titles;
        const auto actions = window.menuBar()->actions();
        for (QAction *action : actions) {
            if (!action->isSeparator())
                titles << action->text();
        }
        return titles;
    }

    // Labels of a template, in document order.
    static QStringList labelsOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList labels;
        QXmlStreamReader reader(&file);
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.attributes().hasAttribute(QLatin1String("Label")))
                labels << reader.attributes().value(QLatin1String("Label")).toString();
        }
        return reader.hasError() ? QStringList() : labels;
    }

    static QString sourceCatalogue()
    {
        return QStringLiteral(ZYN_SOURCE_DIR) + QStringLiteral("/translations/zyneditor_de.ts");
    }

    // Runs the label sync script; answers its exit status, or -1 when it could not run.
    static int runSync(const QStringList &arguments, QString *output)
    {
        QProcess sync;
        sync.setProcessChannelMode(QProcess::MergedChannels);
        sync.start(QStringLiteral("perl"),
                   QStringList { QStringLiteral("-w"),
                                 QStringLiteral(ZYN_SOURCE_DIR)
                                     + QStringLiteral("/tools/sync-xdp-labels.pl") }
                       + arguments);
        if (!sync.waitForFinished(-1) || sync.exitStatus() != QProcess::NormalExit)
            return -1;
        *output = QString::fromLocal8Bit(sync.readAll());
        return sync.exitCode();
    }

    static QString catalogue()
    {
        return TestEnvironment::stagedTree() + QStringLiteral("/lib/locale/zyneditor_de.qm");
    }

    // In a child: install the translation the way start-up does and answer the window's parts.
    struct Interface
    {
        QStringList menus;
        QString firstFileEntry;
        QString newDialogTitle;
        QString newDialogQuestion;
        QStringList nodes;
    };
    static Interface startedInterface(const TestEnvironment &env)
    {
        setupTranslator(*qApp);
        Interface seen;
        {
            QAMainWindowEditor window(QStringList { QStringLiteral(ZYN_EDITOR_BINARY) });
            seen.menus = menuTitles(window);
            QAction *first = window.menuBar()->actions().value(0);
            if (first && first->menu() && !first->menu()->actions().isEmpty())
                seen.firstFileEntry = first->menu()->actions().first()->text();
        }
        QANewZynDlg dialog;
        seen.newDialogTitle = dialog.windowTitle();
        if (auto *box = dialog.findChild<QGroupBox *>(QStringLiteral("ButtonGroup")))
            seen.newDialogQuestion = box->title();
        QAZynEditor editor(QAInstall::targetDir(QStringLiteral(ZYN_EDITOR_BINARY)));
        seen.nodes = sampleNodeTexts(editor, env);
        return seen;
    }

private Q_SLOTS:
    void catalogueIsComplete()
    {
        QFile file(QStringLiteral(ZYN_SOURCE_DIR)
                   + QStringLiteral("/translations/zyneditor_de.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QString context;
        QString source;
        QStringList contexts;
        QStringList unfinished;
        while (!reader.atEnd()) {
            reader.readNext();
            if (!reader.isStartElement())
                continue;
            if (reader.name() == QLatin1String("name")) {
                context = reader.readElementText();
                contexts << context;
            } else if (reader.name() == QLatin1String("source")) {
                source = reader.readElementText();
            } else if (reader.name() == QLatin1String("translation")) {
                const QString type = reader.attributes().value(QLatin1String("type")).toString();
                if (type == QLatin1String("unfinished"))
                    unfinished << context + QStringLiteral(": ") + source;
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
        for (const char *needed : { "zyneditor", "KVNIdent", "XDP Labels", "xdp",
                                    "QAMainWindowEditor", "QAZynAboutDialog", "QAZynEditorTree" })
            QVERIFY2(contexts.contains(QLatin1String(needed)), needed);
    }

    void templateLabelsAreTranslated_data()
    {
        QTest::addColumn<QString>("templateName");
        QTest::newRow("C and C++") << "templatec.xdp";
        QTest::newRow("Ada") << "templatea.xdp";
        QTest::newRow("J2SE") << "templatej2se.xdp";
        QTest::newRow("J2ME") << "templatej2me.xdp";
    }
    void templateLabelsAreTranslated()
    {
        QFETCH(QString, templateName);
        QTranslator translator;
        QVERIFY2(translator.load(catalogue()), qPrintable(catalogue()));
        const QStringList labels
            = labelsOf(QStringLiteral(ZYN_SOURCE_DIR) + QStringLiteral("/installation/targets/xml/")
                       + templateName);
        QVERIFY(labels.size() > 10);
        QStringList untranslated;
        for (const QString &label : labels) {
            if (!label.isEmpty()
                && translator.translate("XDP Labels", label.toUtf8().constData()).isEmpty())
                untranslated << label;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(", "))));
    }

    void labelContextsAreInStepWithTheTemplates()
    {
        QString output;
        QCOMPARE(runSync({ QStringLiteral("--check"), sourceCatalogue() }, &output), 0);
    }

    // What lupdate does to the label messages, which it cannot find in the code, and what the
    // sync script must undo: label messages marked vanished, the last one dropped, an item
    // label's translation emptied. The script must give back the catalogue byte for byte, but
    // for the dropped label, which comes back untranslated.
    void syncScriptUndoesLupdate()
    {
        const QByteArray original = TestFiles::read(sourceCatalogue());
        QVERIFY(!original.isEmpty());
        QString text = QString::fromUtf8(original);

        const auto contextBlock = [&text](const QString &name) {
            const int start = text.indexOf(QStringLiteral("<name>%1</name>").arg(name));
            return qMakePair(start, text.indexOf(QStringLiteral("</context>"), start));
        };
        const QRegularExpression message(
            QStringLiteral("    <message>\n        <source>([^<%]*)</source>\n"
                           "        <translation>([^<]*)</translation>\n    </message>\n"));
        QVERIFY(message.isValid());

        auto [start, end] = contextBlock(QStringLiteral("XDP Labels"));
        QVERIFY(start > 0 && end > start);
        QString labels = text.mid(start, end - start);
        const int labelCount = labels.count(message);
        QVERIFY(labelCount > 100);
        QRegularExpressionMatch dropped;
        const int last = labels.lastIndexOf(message, -1, &dropped);
        labels.truncate(last);
        // The script puts the dropped label back, untranslated: it cannot know the German.
        QByteArray expected = original;
        expected.replace(dropped.captured(0).toUtf8(),
                         dropped.captured(0)
                             .replace(QStringLiteral("<translation>") + dropped.captured(2),
                                      QStringLiteral("<translation type=\"unfinished\">"))
                             .toUtf8());
        QVERIFY(expected != original);
        labels.replace(message,
                       QStringLiteral("    <message>\n        <source>\\1</source>\n"
                                      "        <translation type=\"vanished\">\\2"
                                      "</translation>\n    </message>\n"));
        text.replace(start, end - start, labels);

        std::tie(start, end) = contextBlock(QStringLiteral("xdp"));
        QVERIFY(start > 0 && end > start);
        QString items = text.mid(start, end - start);
        QVERIFY(items.contains(message));
        const QRegularExpressionMatch first = message.match(items);
        items.replace(first.capturedStart(2), first.capturedLength(2), QString());
        items.replace(first.capturedStart(2) - 1, 0, QStringLiteral(" type=\"unfinished\""));
        text.replace(start, end - start, items);

        QTemporaryDir scratch;
        const QString copy = scratch.filePath(QStringLiteral("zyneditor_de.ts"));
        QVERIFY(TestFiles::write(copy, text.toUtf8()));
        QString output;
        QCOMPARE(runSync({ QStringLiteral("--check"), copy }, &output), 1);
        QVERIFY2(output.contains(QLatin1String("[XDP Labels] vanished"))
                     && output.contains(QLatin1String("[XDP Labels] missing"))
                     && output.contains(QLatin1String("[xdp] untranslated")),
                 qPrintable(output));
        QCOMPARE(runSync({ copy }, &output), 0);
        QCOMPARE(TestFiles::read(copy), expected);
    }

    void germanLocaleTranslatesTheInterface()
    {
        if (!inChild()) {
            QString output;
            QVERIFY2(runInChild(QStringLiteral("de_DE.UTF-8"), &output), qPrintable(output));
            if (output.contains(QLatin1String("SKIP   :")))
                QSKIP(qPrintable(output.section(QLatin1String("SKIP   :"), 1).section('\n', 0, 1)));
            return;
        }
        TestEnvironment env;
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        const Interface seen = startedInterface(env);
        QCOMPARE(seen.newDialogTitle, QStringLiteral("Moravel-Sprachauswahl"));
        QCOMPARE(seen.newDialogQuestion,
                 QStringLiteral("Wählen Sie die Sprache Ihres neuen Moravel:"));
        QVERIFY2(seen.nodes.size() >= 3, qPrintable(seen.nodes.join(QStringLiteral(", "))));
        QCOMPARE(
            seen.nodes.mid(0, 3),
            (QStringList { QStringLiteral("Grundeinstellungen"), QStringLiteral("Build-Befehle"),
                           QStringLiteral("Konfiguration der Laufzeitbibliothek") }));
        if (seen.menus.isEmpty())
            QSKIP("the main window has no menus yet");
        QCOMPARE(seen.menus,
                 (QStringList { QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                QStringLiteral("&Hilfe") }));
        QCOMPARE(seen.firstFileEntry, QStringLiteral("&Neu"));
    }

    void localeWithoutCatalogueStaysEnglish()
    {
        if (!inChild()) {
            QVERIFY(!QFile::exists(TestEnvironment::stagedTree()
                                   + QStringLiteral("/lib/locale/zyneditor_xx_XX.qm")));
            QString output;
            QVERIFY2(runInChild(QStringLiteral("xx_XX.UTF-8"), &output), qPrintable(output));
            if (output.contains(QLatin1String("SKIP   :")))
                QSKIP(qPrintable(output.section(QLatin1String("SKIP   :"), 1).section('\n', 0, 1)));
            return;
        }
        TestEnvironment env;
        const Interface seen = startedInterface(env);
        QCOMPARE(seen.newDialogTitle, QStringLiteral("Moravel Language Selection"));
        QCOMPARE(seen.nodes.mid(0, 3),
                 (QStringList { QStringLiteral("Basic Settings"), QStringLiteral("Build Commands"),
                                QStringLiteral("Runtime Library Configuration") }));
        if (seen.menus.isEmpty())
            QSKIP("the main window has no menus yet");
        QCOMPARE(seen.menus,
                 (QStringList { QStringLiteral("&File"), QStringLiteral("&Edit"),
                                QStringLiteral("&Help") }));
        QCOMPARE(seen.firstFileEntry, QStringLiteral("&New"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

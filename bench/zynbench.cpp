// Benchmark of the document path: open, tree, panes, typing, saving, start-up and memory, each
// beside the floor that Qt's own DOM sets and beside libxml2's xmllint. Prints every figure and
// ratio, then one machine-readable line ("ZYNBENCH {json}"). It asserts nothing.
//
//   zynbench [--sizes 1,10,50] [--repeat N] [--switches N] [--keys N] [--attributes N]
//            [--keep DIR] [--long-lines-only]
//            [--profile load|bareopen|tree|firstpane|search|browse|type|save|baresave|
//                       longkey|longfilekey]
//   zynbench --generate MB FILE
//
// Under valgrind --tool=callgrind --collect-atstart=no, --profile collects the first run of one
// phase only (longkey and longfilekey: typing into the 10 MB comment and carried-file lines).
//
// The modes --rss-base, --rss-dom FILE, --rss-editor FILE, --open-child FILE, --startup-bare and
// the environment variable ZYN_BENCH_MODE=startup are the benchmark's own child processes.

#include "docgen.h"

#include "app/qamainwindoweditor.h"
#include "app/startup.h"
#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "document/qazynwriter.h"
#include "find/qadocumentsearch.h"
#include "find/qafindresults.h"
#include "find/qasearchnodes.h"
#include "panes/qazynviewer.h"
#include "sdk/qaxmleditornode.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

constexpr double MB = 1024.0 * 1024.0;

QJsonObject g_results;

double msOf(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// CPU time of the process: what the work costs, whatever else the machine runs meanwhile.
double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall and CPU time of one event.
class Stopwatch
{
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_cpu = cpuMs();
        m_wall.start();
    }
    double wall() const { return msOf(m_wall); }
    double cpu() const { return cpuMs() - m_cpu; }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

// Under callgrind --collect-atstart=no, --profile PHASE collects the first run of that phase.
QString g_profiledPhase;

class ProfiledPhase
{
public:
    explicit ProfiledPhase(const char *phase)
        : m_on(g_profiledPhase == QLatin1String(phase))
    {
        if (m_on)
            CALLGRIND_TOGGLE_COLLECT;
    }
    ~ProfiledPhase()
    {
        if (m_on) {
            CALLGRIND_TOGGLE_COLLECT;
            g_profiledPhase.clear();
        }
    }

private:
    bool m_on;
};

struct Stats
{
    double median = 0;
    double p99 = 0;
    double max = 0;
    int count = 0;
};

Stats statsOf(std::vector<double> values)
{
    Stats stats;
    if (values.empty())
        return stats;
    std::sort(values.begin(), values.end());
    stats.count = int(values.size());
    stats.median = values[values.size() / 2];
    // Nearest rank.
    const size_t rank = size_t(std::ceil(0.99 * double(values.size())));
    stats.p99 = values[std::max<size_t>(rank, 1) - 1];
    stats.max = values.back();
    return stats;
}

double median(std::vector<double> values)
{
    return statsOf(std::move(values)).median;
}

void print(const char *format, ...) __attribute__((format(printf, 1, 2)));
void print(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::fflush(stdout);
}

void record(const QString &key, double value)
{
    g_results.insert(key, std::round(value * 1000.0) / 1000.0);
}

void printFigure(const QString &key, const char *label, double ms, double megabytes = 0)
{
    record(key, ms);
    if (megabytes > 0) {
        record(key + QStringLiteral("_per_mb"), ms / megabytes);
        print("  %-52s %10.1f ms  %8.1f ms/MB\n", label, ms, ms / megabytes);
    } else {
        print("  %-52s %10.1f ms\n", label, ms);
    }
}

void printRatio(const QString &key, const char *label, double ratio, double goal = 0)
{
    record(key, ratio);
    if (goal > 0)
        print("  %-52s %10.2f x   (goal <= %.2f: %s)\n", label, ratio, goal,
              ratio <= goal ? "met" : "MISSED");
    else
        print("  %-52s %10.2f x\n", label, ratio);
}

void printStats(const QString &key, const char *label, const Stats &stats, double goal = 0)
{
    record(key + QStringLiteral("_median"), stats.median);
    record(key + QStringLiteral("_p99"), stats.p99);
    record(key + QStringLiteral("_max"), stats.max);
    print("  %-52s median %7.2f  p99 %7.2f  max %7.2f ms  (n=%d)", label, stats.median, stats.p99,
          stats.max, stats.count);
    if (goal > 0)
        print("  (goal p99 <= %.0f: %s)", goal, stats.p99 <= goal ? "met" : "MISSED");
    print("\n");
}

struct Samples
{
    std::vector<double> wall;
    std::vector<double> cpu;
    void add(const Stopwatch &watch)
    {
        cpu.push_back(watch.cpu());
        wall.push_back(watch.wall());
    }
};

// Per-event figures: wall time as the user waits, CPU time as the code costs; the goal is judged
// on both.
void printSamples(const QString &key, const char *label, const Samples &samples, double goal = 0)
{
    const QByteArray wallLabel = QByteArray(label) + " (wall)";
    const QByteArray cpuLabel = QByteArray(label) + " (CPU)";
    printStats(key, wallLabel.constData(), statsOf(samples.wall), goal);
    printStats(key + QStringLiteral("_cpu"), cpuLabel.constData(), statsOf(samples.cpu), goal);
}

// ---------------------------------------------------------------------------------------------
// Child processes

QProcessEnvironment childEnvironment(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    return environment;
}

struct ChildRun
{
    bool ok = false;
    double ms = 0;
    // From the start of the child to the moment it reported on its standard output as
    // "first-frame <steady clock ns>"; negative when it reported nothing.
    double firstFrameMs = -1;
    QByteArray output;
};

qint64 steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QProcessEnvironment &environment)
{
    ChildRun run;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    const qint64 startedNs = steadyNanoseconds();
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return run;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.ms = msOf(timer);
    run.output = process.readAllStandardOutput();
    for (const QByteArray &line : run.output.split('\n')) {
        if (line.startsWith("first-frame "))
            run.firstFrameMs = double(line.mid(12).toLongLong() - startedNs) / 1e6;
    }
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        std::fprintf(stderr, "child %s %s failed: %s\n", qPrintable(program),
                     qPrintable(arguments.join(QLatin1Char(' '))),
                     process.readAllStandardError().constData());
    return run;
}

qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString targetDirectory()
{
    return QString::fromLocal8Bit(qgetenv("CORVINDIR")) + QStringLiteral("/targets");
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

std::unique_ptr<QAMainWindowEditor> newMainWindow();

int rssMode(const QString &mode, const QString &path)
{
    std::unique_ptr<QAMainWindowEditor> window;
    QDomDocument document;
    if (mode == QLatin1String("--rss-dom")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        if (!document.setContent(file.readAll()))
            return 1;
    } else if (mode == QLatin1String("--rss-editor")) {
        window = newMainWindow();
        window->loadFile(path, false);
        settle();
        if (window->editorArea()->rootElement().isNull())
            return 1;
    }
    print("%lld\n", peakResidentKb());
    return 0;
}

// The program's open of one file in a fresh process: "peak-kB opened(0/1) loadFile-ms".
int openMode(const QString &path)
{
    std::unique_ptr<QAMainWindowEditor> window = newMainWindow();
    Stopwatch watch;
    window->loadFile(path, false);
    settle();
    const double ms = watch.wall();
    print("%lld %d %.3f\n", peakResidentKb(), window->editorArea()->rootElement().isNull() ? 0 : 1,
          ms);
    return 0;
}

// Start-up ends with the window's first frame: once the window itself has been painted, its
// children paint in the same pass. The child reports that moment on its standard output and
// ends before anything that was put off until after that frame (the reference page) runs.
// Teardown is left out on both sides alike: the process's own end (unmapping, closing a file
// watch, which waits for the kernel) is no part of what a user waits for at start-up.
class QuitAfterFirstFrame : public QObject
{
public:
    QuitAfterFirstFrame(const char *windowClass, QObject *parent)
        : QObject(parent)
        , m_windowClass(windowClass)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->inherits(m_windowClass)) {
            m_painted = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first-frame %lld\n", static_cast<long long>(steadyNanoseconds()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    const char *m_windowClass;
    bool m_painted = false;
};

int startupBareMode()
{
    QMainWindow window;
    window.resize(800, 600);
    qApp->installEventFilter(new QuitAfterFirstFrame("QMainWindow", qApp));
    window.show();
    return QApplication::exec();
}

void installStartupHook()
{
    if (qgetenv("ZYN_BENCH_MODE") == "startup")
        qApp->installEventFilter(new QuitAfterFirstFrame("QAMainWindowEditor", qApp));
}
Q_COREAPP_STARTUP_FUNCTION(installStartupHook)

// ---------------------------------------------------------------------------------------------
// The in-process measurements

struct Options
{
    QList<double> sizesMb { 1, 10, 50 };
    int repeat = 3;
    int maxSwitches = 3000;
    int keys = 200;
    int attributes = 100000;
    QString keepDirectory;
    bool longLinesOnly = false;
    bool startupOnly = false;
};

QList<QTreeWidgetItem *> allItems(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items.append(*it);
    return items;
}

QTreeWidgetItem *findItem(QTreeWidget *tree, const QString &attribute, const QString &value)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        auto *node = dynamic_cast<QAXmlEditorNode *>(*it);
        if (node && node->data().attribute(attribute) == value)
            return *it;
    }
    return nullptr;
}

void sendKey(QWidget *widget, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Types `count` characters into the middle of the edit; each sample is one keystroke with the
// events it causes handled (repaint and document write included). `phase` names the run for
// --profile.
Samples typeInto(QPlainTextEdit *edit, int count, const char *phase = "type")
{
    edit->setFocus();
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(edit->document()->characterCount() / 2);
    edit->setTextCursor(cursor);
    settle();
    Samples samples;
    ProfiledPhase profiled(phase);
    for (int i = 0; i < count; ++i) {
        Stopwatch watch;
        sendKey(edit, Qt::Key_X, QStringLiteral("x"));
        settle();
        samples.add(watch);
    }
    return samples;
}

QPlainTextEdit *paneEdit(QAZynEditor &editor, const char *name)
{
    QAZynViewer *viewer = editor.currentViewer();
    return viewer ? viewer->findChild<QPlainTextEdit *>(QLatin1String(name)) : nullptr;
}

struct SizeFigures
{
    double megabytes = 0;
    double bareOpen = 0;
    double editorLoad = 0;
    double openTotal = 0;
    double programOpen = 0;
    double bareSave = 0;
    double editorSave = 0;
    double programSave = 0;
};

// The program's own window on the document, as File > Open leaves it.
std::unique_ptr<QAMainWindowEditor> newMainWindow()
{
    auto window = std::make_unique<QAMainWindowEditor>(
        QStringList { QCoreApplication::applicationFilePath() });
    window->resize(1400, 900);
    window->show();
    // The reference page is laid out just after the first frame: a new window is measured once
    // its own start-up is over, so that an open counts the open alone.
    settle();
    settle();
    return window;
}

std::unique_ptr<QAZynEditor> newEditor()
{
    auto editor = std::make_unique<QAZynEditor>(targetDirectory());
    editor->resize(1200, 800);
    editor->show();
    settle();
    return editor;
}

double bareOpen(const QString &path)
{
    QDomDocument document;
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(file.readAll()))
        qFatal("bare parse failed");
    const double ms = msOf(timer);
    return ms;
}

// Find in document for a word found all over the document: collecting the tree's nodes and
// searching every field, as one refresh of the results does, beside the bare parse.
void measureSearch(const Options &options, QAZynEditor &editor, double bareMs, const QString &tag)
{
    const QString word = QStringLiteral("buffer");
    std::vector<double> search, list;
    qsizetype found = 0;
    QAFindResults results;
    for (int round = 0; round < options.repeat; ++round) {
        QElapsedTimer timer;
        timer.start();
        QList<QASearchMatch> matches;
        QList<QASearchNode> nodes;
        {
            ProfiledPhase profiled("search");
            nodes = searchNodesOf(editor.editorTree());
            matches = QADocumentSearch(word, Qt::CaseInsensitive, false).run(nodes);
        }
        search.push_back(msOf(timer));
        found = matches.size();
        timer.restart();
        results.setMatches(matches, nodes);
        list.push_back(msOf(timer));
    }
    print(" find in document (\"%s\": %lld matches, median of %d)\n", qPrintable(word),
          static_cast<long long>(found), options.repeat);
    printFigure(tag + QStringLiteral("search"), "nodes + search of every field", median(search));
    printFigure(tag + QStringLiteral("search_list"), "results list filled", median(list));
    printRatio(tag + QStringLiteral("ratio_search_bare"), "search / bare parse",
               median(search) / bareMs, 0.5);
}

SizeFigures measureSize(const Options &options, double sizeMb, const QString &directory)
{
    SizeFigures figures;
    const QString tag = QStringLiteral("s%1_").arg(sizeMb);
    const auto key = [&](const char *name) {
        return tag + QLatin1String(name);
    };

    QElapsedTimer timer;
    timer.start();
    const GeneratedDocument generated = generateDocument(qint64(sizeMb * MB));
    const QString path = QStringLiteral("%1/bench-%2mb.xdp").arg(directory).arg(sizeMb);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(generated.bytes) != generated.bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    figures.megabytes = generated.bytes.size() / MB;
    record(key("bytes"), generated.bytes.size());
    print("\n== %.0f MB document: %.2f MB, %d library sections, %d carried files, large fragments "
          "of %.0f KB (generated in %.0f ms) ==\n",
          sizeMb, figures.megabytes, generated.sections, generated.carriedFiles,
          generated.bigFragmentBytes / 1024.0, msOf(timer));

    // Open: the bare parse and the editor's path side by side, alternating, after one round
    // that warms the file cache and the allocator.
    std::vector<double> bare, load, tree, firstPane, total;
    std::unique_ptr<QAZynEditor> editor = newEditor();
    bareOpen(path);
    editor->getRootElement(path);
    for (int round = 0; round < options.repeat; ++round) {
        {
            ProfiledPhase profiled("bareopen");
            bare.push_back(bareOpen(path));
        }
        editor.reset();
        editor = newEditor();
        timer.restart();
        QDomElement root;
        {
            ProfiledPhase profiled("load");
            root = editor->getRootElement(path);
        }
        load.push_back(msOf(timer));
        if (root.isNull())
            qFatal("editor load failed: %s", qPrintable(editor->lastError()));
        QElapsedTimer step;
        step.start();
        {
            ProfiledPhase profiled("tree");
            if (!editor->buildTree(root))
                qFatal("tree build failed");
        }
        tree.push_back(msOf(step));
        step.restart();
        {
            ProfiledPhase profiled("firstpane");
            QAZynEditorTree *treeWidget = editor->editorTree();
            treeWidget->setCurrentItem(treeWidget->topLevelItem(0));
            settle();
        }
        firstPane.push_back(msOf(step));
        total.push_back(msOf(timer));
    }
    figures.bareOpen = median(bare);
    figures.editorLoad = median(load);
    figures.openTotal = median(total);
    const double mb = figures.megabytes;
    print(" open (median of %d)\n", options.repeat);
    printFigure(key("open_bare"), "bare read + QDomDocument::setContent", figures.bareOpen, mb);
    printFigure(key("open_load"), "editor read + pre-scan + parse (getRootElement)",
                figures.editorLoad, mb);
    printFigure(key("open_tree"), "buildTree", median(tree), mb);
    printFigure(key("open_first_pane"), "first pane (root node selected, painted)",
                median(firstPane));
    printFigure(key("open_total"), "open total (load + tree + first pane)", figures.openTotal, mb);
    // The program's whole open: version check, read, tree and first pane, in a new window.
    std::vector<double> program;
    for (int round = 0; round < options.repeat; ++round) {
        std::unique_ptr<QAMainWindowEditor> window = newMainWindow();
        timer.restart();
        {
            ProfiledPhase profiled("programopen");
            window->loadFile(path, false);
            settle();
        }
        program.push_back(msOf(timer));
        if (window->editorArea()->rootElement().isNull())
            qFatal("the main window did not open %s", qPrintable(path));
    }
    figures.programOpen = median(program);
    printFigure(key("open_program"), "QAMainWindowEditor::loadFile, painted", figures.programOpen,
                mb);
    printRatio(key("ratio_load_bare"), "load / bare parse", figures.editorLoad / figures.bareOpen);
    printRatio(key("ratio_open_bare"), "open total / bare parse",
               figures.openTotal / figures.bareOpen);
    printRatio(key("ratio_program_open_bare"), "loadFile / bare parse",
               figures.programOpen / figures.bareOpen, 1.5);
    measureSearch(options, *editor, figures.bareOpen, tag);

    // Browsing: every node in turn (evenly spread when there are more than maxSwitches).
    QAZynEditorTree *treeWidget = editor->editorTree();
    const QList<QTreeWidgetItem *> items = allItems(treeWidget);
    const int stride
        = std::max<int>(1, int(items.size() + options.maxSwitches - 1) / options.maxSwitches);
    Samples switches;
    std::map<QByteArray, Samples> byPane;
    int panes = 0;
    {
        ProfiledPhase profiled("browse");
        for (int i = 0; i < items.size(); i += stride) {
            Stopwatch watch;
            treeWidget->setCurrentItem(items.at(i));
            settle();
            switches.add(watch);
            if (QAZynViewer *viewer = editor->currentViewer()) {
                ++panes;
                byPane[viewer->metaObject()->className()].add(watch);
            }
        }
    }
    record(key("nodes"), items.size());
    print(" browsing: %lld nodes, %zu visited (every %d), %d with a pane\n",
          qlonglong(items.size()), switches.wall.size(), stride, panes);
    printSamples(key("switch"), "pane switch", switches, 16);
    for (const auto &[pane, samples] : byPane) {
        const QByteArray label = "  to " + pane + " (CPU)";
        printStats(key("switch_cpu_") + QString::fromLatin1(pane), label.constData(),
                   statsOf(samples.cpu));
    }

    // Typing into the large fragments and into a comment.
    print(" typing (%d keystrokes each, into the middle of the text)\n", options.keys);
    const auto typeIn = [&](QTreeWidgetItem *item, const char *editName, const QString &figure,
                            const char *label) {
        if (!item) {
            print("  %-52s (node not found)\n", label);
            return;
        }
        treeWidget->setCurrentItem(item);
        settle();
        QPlainTextEdit *edit = paneEdit(*editor, editName);
        if (!edit) {
            print("  %-52s (no pane yet)\n", label);
            return;
        }
        printSamples(figure, label, typeInto(edit, options.keys), 16);
    };
    QTreeWidgetItem *bigFunction
        = findItem(treeWidget, QStringLiteral("Doc"), generated.bigFunctionDoc);
    QTreeWidgetItem *bigText
        = findItem(treeWidget, QStringLiteral("Name"), generated.bigTextFileName);
    typeIn(bigFunction, "textEdit", key("key_function"), "keystroke in the large function body");
    typeIn(bigText, "textEdit", key("key_textfile"), "keystroke in the large carried text file");
    typeIn(bigText, "commentEdit", key("key_comment"), "keystroke in a comment");
    // Leaving the pane makes every edit reach the document.
    treeWidget->setCurrentItem(treeWidget->topLevelItem(0));
    settle();

    // Saving: the editor's writer, its check and the atomic file write, beside the DOM's own.
    QDomElement root = editor->rootElement();
    std::vector<double> bareSerialise, bareSave, bareStream, editorWrite, editorCheck, editorSave;
    const QString barePath = directory + QStringLiteral("/bare-save.xdp");
    const QString savePath = directory + QStringLiteral("/editor-save.xdp");
    for (int round = 0; round < options.repeat; ++round) {
        // The same atomic write on both sides: only the serialisation differs.
        timer.restart();
        {
            ProfiledPhase profiled("baresave");
            const QByteArray bytes = editor->document().toByteArray(0);
            bareSerialise.push_back(msOf(timer));
            QSaveFile file(barePath);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
                || !file.commit())
                qFatal("bare save failed");
        }
        bareSave.push_back(msOf(timer));
        timer.restart();
        {
            QFile file(barePath);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("bare save failed");
            QTextStream stream(&file);
            editor->document().save(stream, 0);
        }
        bareStream.push_back(msOf(timer));

        timer.restart();
        ProfiledPhase profiled("save");
        QAZynWriter writer(&editor->attributeOrder());
        const QByteArray bytes = writer.write(root);
        editorWrite.push_back(msOf(timer));
        QElapsedTimer check;
        check.start();
        const bool wellFormed = QAZynWriter::isWellFormed(bytes);
        editorCheck.push_back(msOf(check));
        QSaveFile file(savePath);
        if (!wellFormed || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
            || !file.commit())
            qFatal("editor save failed");
        editorSave.push_back(msOf(timer));
    }
    // The program's whole save, settings and targets list included, in a window that opened the
    // document.
    std::vector<double> programSave;
    {
        std::unique_ptr<QAMainWindowEditor> window = newMainWindow();
        window->loadFile(path, false);
        settle();
        for (int round = 0; round < options.repeat; ++round) {
            timer.restart();
            ProfiledPhase profiled("programsave");
            if (!window->saveFile(directory + QStringLiteral("/program-save.xdp")))
                qFatal("the main window did not save");
            programSave.push_back(msOf(timer));
        }
    }
    figures.programSave = median(programSave);
    figures.bareSave = median(bareSave);
    figures.editorSave = median(editorSave);
    print(" save (median of %d)\n", options.repeat);
    printFigure(key("save_bare_serialise"), "bare QDomDocument::toByteArray(0)",
                median(bareSerialise), mb);
    printFigure(key("save_bare"), "bare toByteArray(0) + QSaveFile write and commit",
                figures.bareSave, mb);
    printFigure(key("save_bare_stream"), "bare QDomDocument::save(QTextStream, 0)",
                median(bareStream), mb);
    printFigure(key("save_writer"), "editor QAZynWriter::write", median(editorWrite), mb);
    printFigure(key("save_check"), "editor well-formedness check", median(editorCheck), mb);
    printFigure(key("save_editor"), "editor save (write + check + QSaveFile)", figures.editorSave,
                mb);
    printRatio(key("ratio_serialise_bare"), "editor write + check / bare toByteArray",
               (median(editorWrite) + median(editorCheck)) / median(bareSerialise));
    printFigure(key("save_program"), "QAMainWindowEditor::saveFile", figures.programSave, mb);
    printRatio(key("ratio_save_bare"), "editor save / bare save (both atomic)",
               figures.editorSave / figures.bareSave);
    printRatio(key("ratio_program_save_bare"), "saveFile / bare save (both atomic)",
               figures.programSave / figures.bareSave, 1.25);

    // The field's fastest tool on the same file.
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        std::vector<double> parse, reserialise;
        for (int round = 0; round < options.repeat; ++round) {
            parse.push_back(runChild(xmllint, { QStringLiteral("--noout"), path }, environment).ms);
            reserialise.push_back(runChild(xmllint,
                                           { QStringLiteral("--output"),
                                             directory + QStringLiteral("/xmllint-out.xml"), path },
                                           environment)
                                      .ms);
        }
        const double lintParse = median(parse);
        const double lintBoth = median(reserialise);
        print(" libxml2 (process wall time, median of %d)\n", options.repeat);
        printFigure(key("xmllint_parse"), "xmllint --noout", lintParse, mb);
        printFigure(key("xmllint_roundtrip"), "xmllint --output (parse + serialise)", lintBoth, mb);
        printRatio(key("ratio_open_xmllint"), "loadFile / xmllint parse",
                   figures.programOpen / lintParse);
        printRatio(key("ratio_roundtrip_xmllint"), "(loadFile + saveFile) / xmllint round trip",
                   (figures.programOpen + figures.programSave) / lintBoth);
    } else {
        print(" libxml2: xmllint not found (package libxml2-utils)\n");
    }

    // Peak memory in fresh processes.
    const QString self = QCoreApplication::applicationFilePath();
    const QProcessEnvironment environment = childEnvironment(directory);
    const ChildRun domRun = runChild(self, { QStringLiteral("--rss-dom"), path }, environment);
    const ChildRun editorRun
        = runChild(self, { QStringLiteral("--rss-editor"), path }, environment);
    const double domKb = domRun.output.trimmed().toDouble();
    const double editorKb = editorRun.output.trimmed().toDouble();
    record(key("rss_dom_kb"), domKb);
    record(key("rss_editor_kb"), editorKb);
    print(" peak resident memory (VmHWM, fresh process with QApplication)\n");
    print("  %-52s %10.1f MB\n", "bare DOM", domKb / 1024);
    print("  %-52s %10.1f MB\n", "program: main window with the document open", editorKb / 1024);
    if (domKb > 0)
        printRatio(key("ratio_rss"), "editor / bare DOM", editorKb / domKb, 1.3);

    if (options.keepDirectory.isEmpty())
        QFile::remove(path);
    return figures;
}

// ---------------------------------------------------------------------------------------------
// Input that once made the editor crawl, each beside Qt's own DOM on the same bytes

struct BareRoundTrip
{
    bool parsed = false;
    double parse = 0;
    double serialise = 0;
};

BareRoundTrip bareRoundTrip(const QString &path)
{
    BareRoundTrip figures;
    QDomDocument document;
    Stopwatch watch;
    QFile file(path);
    figures.parsed = file.open(QIODevice::ReadOnly) && document.setContent(file.readAll());
    figures.parse = watch.wall();
    watch.restart();
    const QByteArray bytes = document.toByteArray(0);
    figures.serialise = watch.wall();
    return figures;
}

QString writeBenchFile(const QString &directory, const QString &name, const QByteArray &bytes)
{
    const QString path = directory + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Peak memory (kB), whether it opened, and the loadFile time, from a fresh process.
QList<QByteArray> openInChild(const QString &path, const QString &directory)
{
    const ChildRun run
        = runChild(QCoreApplication::applicationFilePath(),
                   { QStringLiteral("--open-child"), path }, childEnvironment(directory));
    return run.output.trimmed().split(' ');
}

void measureEntityDocument(const QString &directory)
{
    const QByteArray bytes = "<!DOCTYPE ZYN [<!ENTITY e4k \"" + QByteArray(4000, 'x')
        + "\">]>\n<ZYN Name=\"n\" Version=\"V2009\">\n<COMMENT>"
        + QByteArray("&e4k;\n").repeated(20000) + "</COMMENT>\n</ZYN>\n";
    const QString path = writeBenchFile(directory, QStringLiteral("entities.xdp"), bytes);
    print("\n== entity expansion: %.0f KB, one 4,000-character entity used 20,000 times "
          "(80 MB expanded) ==\n",
          bytes.size() / 1024.0);
    const QList<QByteArray> program = openInChild(path, directory);
    const double peakMb = program.value(0).toDouble() / 1024;
    const double refusal = program.value(2).toDouble();
    printFigure(QStringLiteral("entity_open_program"),
                program.value(1) == "0" ? "program: loadFile, refused"
                                        : "program: loadFile, OPENED",
                refusal);
    print("  %-52s %10.1f MB\n", "program: peak memory (main window included)", peakMb);
    record(QStringLiteral("entity_rss_program_kb"), program.value(0).toDouble());
    print("  %-52s %10s     (goal <= 1000 ms: %s)\n", "refusal time", "",
          refusal <= 1000 ? "met" : "MISSED");
    print("  %-52s %10s     (goal <= 100 MB: %s)\n", "refusal peak memory", "",
          peakMb > 0 && peakMb <= 100 ? "met" : "MISSED");
    const BareRoundTrip bare = bareRoundTrip(path);
    const ChildRun dom
        = runChild(QCoreApplication::applicationFilePath(), { QStringLiteral("--rss-dom"), path },
                   childEnvironment(directory));
    printFigure(QStringLiteral("entity_bare_parse"),
                bare.parsed ? "bare QDomDocument::setContent (expands it)"
                            : "bare QDomDocument::setContent, failed",
                bare.parse);
    printFigure(QStringLiteral("entity_bare_serialise"), "bare toByteArray(0)", bare.serialise);
    print("  %-52s %10.1f MB\n", "bare DOM: peak memory", dom.output.trimmed().toDouble() / 1024);
    printRatio(QStringLiteral("entity_ratio_refusal_bare"), "program refusal / bare parse",
               refusal / bare.parse);
}

void measureAttributeDocument(const QString &directory, int count)
{
    QFile sample(targetDirectory() + QStringLiteral("/xml/templatec.xdp"));
    if (!sample.open(QIODevice::ReadOnly))
        qFatal("no sample document");
    QByteArray attributes;
    for (int i = 0; i < count; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i % 7) + "\"";
    // Saved elsewhere, a read-only sample would ask first.
    QByteArray bytes = sample.readAll().replace(" read_only=\"yes\"", "");
    bytes.insert(bytes.indexOf("<ZYN") + 4, attributes);
    const QString path = writeBenchFile(directory, QStringLiteral("attributes.xdp"), bytes);
    print("\n== %d attributes on one element: the sample document, %.2f MB ==\n", count,
          bytes.size() / MB);
    const BareRoundTrip bare = bareRoundTrip(path);
    std::unique_ptr<QAMainWindowEditor> window = newMainWindow();
    Stopwatch watch;
    window->loadFile(path, false);
    settle();
    const double open = watch.wall();
    if (window->editorArea()->rootElement().isNull())
        qFatal("the main window did not open %s", qPrintable(path));
    watch.restart();
    if (!window->saveFile(directory + QStringLiteral("/attributes-saved.xdp")))
        qFatal("the main window did not save");
    const double save = watch.wall();
    printFigure(QStringLiteral("attributes_bare_parse"), "bare QDomDocument::setContent",
                bare.parse);
    printFigure(QStringLiteral("attributes_bare_serialise"), "bare toByteArray(0)", bare.serialise);
    printFigure(QStringLiteral("attributes_open_program"), "QAMainWindowEditor::loadFile, painted",
                open);
    printFigure(QStringLiteral("attributes_save_program"), "QAMainWindowEditor::saveFile", save);
    printRatio(QStringLiteral("attributes_ratio_program_bare"),
               "(loadFile + saveFile) / bare (parse + serialise)",
               (open + save) / (bare.parse + bare.serialise), 3.0);
}

// A child's time to its first frame; the whole process time when it reported no frame.
double firstFrameOf(const ChildRun &run)
{
    return run.firstFrameMs >= 0 ? run.firstFrameMs : run.ms;
}

void measureStartup(const QString &directory)
{
    const QString self = QCoreApplication::applicationFilePath();
    const QString templatePath = targetDirectory() + QStringLiteral("/xml/templatec.xdp");
    const QString perl = QStandardPaths::findExecutable(QStringLiteral("perl"));

    std::vector<double> editorRuns, editorProcessRuns, bareRuns, perlRuns;
    for (int round = 0; round < 5; ++round) {
        // Each start has a runtime directory of its own, as a new session has: the document
        // lock a child leaves behind (it ends without tearing down) is not the next one's.
        const QString runtime = directory + QStringLiteral("/runtime-%1").arg(round);
        QDir().mkpath(runtime);
        QFile::setPermissions(
            runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = childEnvironment(directory);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QProcessEnvironment editorEnvironment = environment;
        editorEnvironment.insert(QStringLiteral("ZYN_BENCH_MODE"), QStringLiteral("startup"));

        const ChildRun editor = runChild(self, { templatePath }, editorEnvironment);
        editorRuns.push_back(firstFrameOf(editor));
        editorProcessRuns.push_back(editor.ms);
        bareRuns.push_back(
            firstFrameOf(runChild(self, { QStringLiteral("--startup-bare") }, environment)));
        perlRuns.push_back(
            runChild(perl, { QStringLiteral("-e"), QStringLiteral("1") }, environment).ms);
    }
    const double editor = median(editorRuns);
    const double bare = median(bareRuns);
    const double perlStart = median(perlRuns);
    print("\n== start-up (from process start to the first frame, median of 5) ==\n");
    printFigure(QStringLiteral("startup_editor"),
                "editor: window, version script, template, first frame", editor);
    printFigure(QStringLiteral("startup_editor_process"), "editor: the same, process start to end",
                median(editorProcessRuns));
    printFigure(QStringLiteral("startup_bare_window"),
                "bare QApplication + QMainWindow, first frame", bare);
    printFigure(QStringLiteral("startup_perl"), "perl -e 1 (start to end)", perlStart);
    printRatio(QStringLiteral("ratio_startup"), "editor / (bare window + perl)",
               editor / (bare + perlStart), 2.0);
}

// ---------------------------------------------------------------------------------------------
// Long lines: one line of 10 MB against the same text in lines of 80 characters

// Letters without a blank: the line offers layout no break at all.
QString longText(int bytes, bool broken)
{
    QString text;
    text.reserve(bytes + bytes / 80 + 1);
    for (int i = 0; i < bytes; ++i) {
        text.append(QChar(u'a' + i % 26));
        if (broken && i % 80 == 79)
            text.append(u'\n');
    }
    return text;
}

QString writeLongLineDocument(const QString &directory, const QString &name,
                              const QString &rootComment, const QString &fileText)
{
    const QString path = directory + u'/' + name;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    out << "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN Name=\"long\" type=\"CCPP\" "
           "Version=\"V2009\" read_only=\"no\" Doc=\"ZYN\"><COMMENT>"
        << rootComment << "</COMMENT><BUILD Label=\"Build\" Doc=\"BUILD\"><COMMENT/>"
        << "<NEWCMDFILE Name=\"data.txt\" Doc=\"NEWCMDFILE\"><COMMENT/><VALUE>" << fileText
        << "</VALUE></NEWCMDFILE></BUILD></ZYN>\n";
    out.flush();
    if (!file.commit())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

struct LongLineFigures
{
    double open = 0;
    double selectFile = 0;
};

// Open until the root's pane is painted; then selecting the carried file until it is painted.
LongLineFigures measureLongLineDocument(const QString &path, int repeat)
{
    std::vector<double> open, select;
    for (int round = 0; round < repeat; ++round) {
        std::unique_ptr<QAZynEditor> editor = newEditor();
        QElapsedTimer timer;
        timer.start();
        QDomElement root = editor->getRootElement(path);
        if (root.isNull() || !editor->buildTree(root))
            qFatal("cannot open %s", qPrintable(path));
        QAZynEditorTree *tree = editor->editorTree();
        tree->setCurrentItem(tree->topLevelItem(0));
        settle();
        editor->repaint();
        open.push_back(msOf(timer));

        QTreeWidgetItem *file = findItem(tree, QStringLiteral("Name"), QStringLiteral("data.txt"));
        timer.restart();
        tree->setCurrentItem(file);
        settle();
        editor->repaint();
        select.push_back(msOf(timer));
    }
    return { median(open), median(select) };
}

void measureLongLines(const Options &options, const QString &directory)
{
    constexpr int Bytes = 10 * 1024 * 1024;
    print("\n== long lines: 10 MB on one line against the same text in 80-character lines ==\n");
    const QString oneLine = longText(Bytes, false);
    const QString lines = longText(Bytes, true);
    const QString small = QStringLiteral("short");
    const LongLineFigures commentOne = measureLongLineDocument(
        writeLongLineDocument(directory, QStringLiteral("comment-line.xdp"), oneLine, small),
        options.repeat);
    const LongLineFigures commentLines = measureLongLineDocument(
        writeLongLineDocument(directory, QStringLiteral("comment-lines.xdp"), lines, small),
        options.repeat);
    const LongLineFigures fileOne = measureLongLineDocument(
        writeLongLineDocument(directory, QStringLiteral("file-line.xdp"), small, oneLine),
        options.repeat);
    const LongLineFigures fileLines = measureLongLineDocument(
        writeLongLineDocument(directory, QStringLiteral("file-lines.xdp"), small, lines),
        options.repeat);
    printFigure(QStringLiteral("long_open_comment_line"), "open, root comment one 10 MB line",
                commentOne.open);
    printFigure(QStringLiteral("long_open_comment_lines"), "open, root comment in 80-char lines",
                commentLines.open);
    printRatio(QStringLiteral("ratio_long_open_comment"), "open: one line / 80-char lines",
               commentOne.open / commentLines.open, 2);
    printFigure(QStringLiteral("long_select_file_line"), "select carried file, one 10 MB line",
                fileOne.selectFile);
    printFigure(QStringLiteral("long_select_file_lines"), "select carried file, 80-char lines",
                fileLines.selectFile);
    printRatio(QStringLiteral("ratio_long_select_file"), "select file: one line / 80-char lines",
               fileOne.selectFile / fileLines.selectFile, 2);

    // Typing into the long line, in the comment and in the carried file.
    std::unique_ptr<QAZynEditor> editor = newEditor();
    QDomElement root = editor->getRootElement(directory + QStringLiteral("/comment-line.xdp"));
    editor->buildTree(root);
    editor->editorTree()->setCurrentItem(editor->editorTree()->topLevelItem(0));
    settle();
    if (QPlainTextEdit *edit = paneEdit(*editor, "commentEdit"))
        printSamples(QStringLiteral("long_key_comment"), "keystroke in a 10 MB comment line",
                     typeInto(edit, options.keys, "longkey"), 16);
    editor = newEditor();
    root = editor->getRootElement(directory + QStringLiteral("/file-line.xdp"));
    editor->buildTree(root);
    QAZynEditorTree *tree = editor->editorTree();
    tree->setCurrentItem(findItem(tree, QStringLiteral("Name"), QStringLiteral("data.txt")));
    settle();
    if (QPlainTextEdit *edit = paneEdit(*editor, "textEdit"))
        printSamples(QStringLiteral("long_key_file"), "keystroke in a 10 MB carried-file line",
                     typeInto(edit, options.keys, "longfilekey"), 16);
}

int runAll(const Options &options)
{
    std::optional<QTemporaryDir> temporary;
    QString directory = options.keepDirectory;
    if (directory.isEmpty()) {
        temporary.emplace();
        directory = temporary->path();
    } else {
        QDir().mkpath(directory);
    }
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    loadAverage.open(QIODevice::ReadOnly);
    print("zynbench: Qt %s, platform %s, documents in %s, load average %s\n", qVersion(),
          qPrintable(QGuiApplication::platformName()), qPrintable(directory),
          loadAverage.readAll().trimmed().constData());

    if (options.startupOnly) {
        measureStartup(directory);
        print("\nZYNBENCH %s\n",
              QJsonDocument(g_results).toJson(QJsonDocument::Compact).constData());
        return 0;
    }
    measureLongLines(options, directory);
    if (options.longLinesOnly) {
        print("\nZYNBENCH %s\n",
              QJsonDocument(g_results).toJson(QJsonDocument::Compact).constData());
        return 0;
    }

    std::vector<SizeFigures> all;
    for (double size : options.sizesMb)
        all.push_back(measureSize(options, size, directory));

    if (all.size() > 1) {
        print("\n== growth: time per MB, largest against smallest document ==\n");
        // Beside the ratio per MB, the straight line through the smallest and the largest
        // document: a fixed cost (first paint, tree header) shows as the intercept, a quadratic
        // step as a ratio above 1.
        const SizeFigures &small = all.front();
        const SizeFigures &large = all.back();
        const auto growth = [&](const char *name, const char *label, double SizeFigures::*field) {
            const double ratio
                = (large.*field / large.megabytes) / (small.*field / small.megabytes);
            const double slope
                = (large.*field - small.*field) / (large.megabytes - small.megabytes);
            const double fixed = small.*field - slope * small.megabytes;
            record(QStringLiteral("growth_") + QLatin1String(name), ratio);
            record(QStringLiteral("slope_") + QLatin1String(name), slope);
            record(QStringLiteral("fixed_") + QLatin1String(name), fixed);
            print("  %-52s %10.2f x   (goal 0.70..1.30: %s)  %.1f ms/MB + %.1f ms\n", label, ratio,
                  ratio >= 0.7 && ratio <= 1.3 ? "met" : "MISSED", slope, fixed);
        };
        growth("open_program", "loadFile per MB", &SizeFigures::programOpen);
        growth("open_total", "open total (editor area) per MB", &SizeFigures::openTotal);
        growth("open_bare", "bare parse per MB (the floor's own growth)", &SizeFigures::bareOpen);
        growth("save_program", "saveFile per MB", &SizeFigures::programSave);
        growth("save_editor", "editor save per MB", &SizeFigures::editorSave);
        growth("save_bare", "bare save per MB (the floor's own growth)", &SizeFigures::bareSave);
    }

    measureEntityDocument(directory);
    measureAttributeDocument(directory, options.attributes);
    measureStartup(directory);

    print("\nZYNBENCH %s\n", QJsonDocument(g_results).toJson(QJsonDocument::Compact).constData());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ZYN_STAGED_TREE
    if (qEnvironmentVariableIsEmpty("CORVINDIR"))
        qputenv("CORVINDIR", ZYN_STAGED_TREE);
#endif
    // The start-up child runs the program's real entry point.
    if (qgetenv("ZYN_BENCH_MODE") == "startup")
        return zynMain(argc, argv);

    // Settings, recent files and user data of the benchmark's own windows stay away from the
    // user's.
    QTemporaryDir home;
    if (qgetenv("ZYN_BENCH_HOME_SET") != "1") {
        for (const char *variable :
             { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
            qputenv(variable, home.path().toLocal8Bit());
        qputenv("ZYN_BENCH_HOME_SET", "1");
    }

    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("--rss-base") || mode == QLatin1String("--rss-dom")
        || mode == QLatin1String("--rss-editor"))
        return rssMode(mode, arguments.value(2));
    if (mode == QLatin1String("--startup-bare"))
        return startupBareMode();
    if (mode == QLatin1String("--open-child"))
        return openMode(arguments.value(2));
    if (mode == QLatin1String("--generate")) {
        const GeneratedDocument generated
            = generateDocument(qint64(arguments.value(2).toDouble() * MB));
        QFile file(arguments.value(3));
        return file.open(QIODevice::WriteOnly)
                && file.write(generated.bytes) == generated.bytes.size()
            ? 0
            : 1;
    }

    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i);
        const QString value = arguments.value(i + 1);
        if (argument == QLatin1String("--sizes")) {
            options.sizesMb.clear();
            for (const QString &size : value.split(QLatin1Char(',')))
                options.sizesMb.append(size.toDouble());
            ++i;
        } else if (argument == QLatin1String("--repeat")) {
            options.repeat = std::max(1, value.toInt());
            ++i;
        } else if (argument == QLatin1String("--switches")) {
            options.maxSwitches = std::max(1, value.toInt());
            ++i;
        } else if (argument == QLatin1String("--keys")) {
            options.keys = std::max(1, value.toInt());
            ++i;
        } else if (argument == QLatin1String("--attributes")) {
            options.attributes = std::max(1, value.toInt());
            ++i;
        } else if (argument == QLatin1String("--profile")) {
            g_profiledPhase = value;
            ++i;
        } else if (argument == QLatin1String("--long-lines-only")) {
            options.longLinesOnly = true;
        } else if (argument == QLatin1String("--startup-only")) {
            options.startupOnly = true;
        } else if (argument == QLatin1String("--keep")) {
            options.keepDirectory = value;
            ++i;
        } else {
            std::fprintf(stderr,
                         "Usage: zynbench [--sizes 1,10,50] [--repeat N] [--switches N] "
                         "[--keys N] [--attributes N] [--keep DIR] [--profile PHASE] "
                         "[--long-lines-only] [--startup-only]\n       "
                         "zynbench --generate MB FILE\n");
            return 2;
        }
    }
    return runAll(options);
}

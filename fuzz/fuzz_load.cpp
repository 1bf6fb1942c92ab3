// libFuzzer target: arbitrary bytes through the editor area's own load path, the structure tree
// built and the pane of every node shown, then a save, a reload of that save and a second save.
// The two saves must be byte-identical and well-formed; anything else aborts so the fuzzer keeps
// the input.

#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "document/qazynwriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <cstdlib>

namespace {

QApplication *application = nullptr;
QTemporaryDir *scratch = nullptr;
QAZynEditor *editor = nullptr;

// Panes of a pathological tree could take the whole time budget; this many are plenty.
constexpr int MaximumPanes = 400;

QString writeInput(const QByteArray &bytes, const char *name)
{
    const QString path = scratch->filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Control characters shown as \xNN so that a report shows every byte.
QByteArray printable(const QByteArray &bytes)
{
    QByteArray shown;
    for (const char c : bytes.left(4000)) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t')
            shown += "\\x"
                + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            shown += c;
    }
    return shown;
}

[[noreturn]] void fail(const char *what, const QByteArray &first, const QByteArray &second)
{
    std::fprintf(stderr,
                 "fuzz_load: %s\n--- first save (%lld bytes)\n%s\n--- second (%lld bytes)\n%s\n",
                 what, static_cast<long long>(first.size()), printable(first).constData(),
                 static_cast<long long>(second.size()), printable(second).constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // One application for the whole run: widgets need it, and creating it per input is slow.
    application = new QApplication(*argc, *argv);
    if (qEnvironmentVariableIsEmpty("CORVINDIR"))
        qputenv("CORVINDIR", ZYN_SOURCE_DIR "/installation");
    editor = new QAZynEditor(qEnvironmentVariable("CORVINDIR") + QStringLiteral("/targets"));
    scratch = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/zynfuzz-XXXXXX"));
    if (!scratch->isValid())
        qFatal("no temporary directory");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));

    editor->clearTree();
    QDomElement root = editor->getRootElement(writeInput(input, "input.xdp"));
    if (root.isNull())
        return 0;
    if (editor->buildTree(root)) {
        int panes = 0;
        for (QTreeWidgetItemIterator it(editor->editorTree()); *it && panes < MaximumPanes;
             ++it, ++panes) {
            editor->showViewer(*it);
            QCoreApplication::processEvents();
        }
        editor->showViewer(nullptr);
    }

    if (qEnvironmentVariableIsSet("ZYN_FUZZ_TRACE")) {
        static int runs = 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (++runs % 200 == 0)
            std::fprintf(stderr, "trace: %d runs, %lld widgets, %lld objects under the editor\n",
                         runs, static_cast<long long>(QApplication::allWidgets().size()),
                         static_cast<long long>(editor->findChildren<QObject *>().size()));
    }

    QAZynWriter writer(&editor->attributeOrder());
    const QByteArray first = writer.write(root);
    QString error;
    if (!QAZynWriter::isWellFormed(first, &error))
        fail(qPrintable(QStringLiteral("save not well-formed: ") + error), first, QByteArray());

    QDomDocument reloaded;
    QAAttributeOrder reloadedOrder;
    const QDomElement again = QAXmlEditor::readRootElement(writeInput(first, "saved.xdp"), reloaded,
                                                           &error, &reloadedOrder);
    if (again.isNull())
        fail(qPrintable(QStringLiteral("save does not load again: ") + error), first, QByteArray());

    const QByteArray second = QAZynWriter(&reloadedOrder).write(again);
    if (second != first)
        fail("second save differs from the first", first, second);
    return 0;
}

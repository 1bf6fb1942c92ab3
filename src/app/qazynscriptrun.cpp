#include "app/qazynscriptrun.h"

#include "dialogs/qazynerrordialog.h"
#include "sdk/qainstall.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"
#include "services/qazynwaitdlg.h"
#include "services/statusduration.h"

#include <QEventLoop>
#include <QWidget>

#include <algorithm>

namespace {

struct ScriptTexts
{
    const char *script;
    const char *startFailure;
    const char *success;
    const char *failure;
};

const ScriptTexts GeneratorTexts = {
    "zyngen.pl",
    QT_TRANSLATE_NOOP("QAZynScriptRun", "ERROR: cannot generate all the Moravel files."),
    QT_TRANSLATE_NOOP("QAZynScriptRun", "ZYN Files saved."),
    QT_TRANSLATE_NOOP("QAZynScriptRun", "ERROR during saving file."),
};

const ScriptTexts ExportTexts = {
    "zynprint.pl",
    QT_TRANSLATE_NOOP("QAZynScriptRun", "ERROR: cannot export this Moravel (xdp) file."),
    QT_TRANSLATE_NOOP("QAZynScriptRun", "xdp file exported."),
    QT_TRANSLATE_NOOP("QAZynScriptRun", "ERROR during export file."),
};

const ScriptTexts &textsOf(QAZynScriptRun::Kind kind)
{
    return kind == QAZynScriptRun::Kind::Generator ? GeneratorTexts : ExportTexts;
}

} // namespace

QAZynScriptRun::QAZynScriptRun(Kind kind, const QString &programPath, const QString &documentPath,
                               const QString &lastArgument, QWidget *window)
    : QAScriptRunner(programPath,
                     QAInstall::scriptPath(programPath, QLatin1String(textsOf(kind).script)),
                     { documentPath, lastArgument }, window)
    , m_kind(kind)
    , m_window(window)
{
    connect(this, &QAScriptRunner::standardErrorLine, this, &QAZynScriptRun::getStderr);
    connect(this, &QAScriptRunner::finished, this,
            kind == Kind::Generator ? &QAZynScriptRun::zynFilesGenerated
                                    : &QAZynScriptRun::zynFileExported);
}

bool QAZynScriptRun::run()
{
    Q_EMIT statusMsg(tr("Generate ZYN..."), StatusDuration::UntilReplaced);
    if (start())
        return true;
    // The interpreter, its option, the script and the document, as they are.
    const QString text = command().mid(0, 4).join(QString());
    QAZynErrorDialog dialog(text + QLatin1Char('\n') + tr("Unable to run command"), m_window);
    QADialogSeam::instance().exec(&dialog);
    Q_EMIT statusMsg(tr(textsOf(m_kind).startFailure), StatusDuration::Result);
    deleteLater();
    return false;
}

void QAZynScriptRun::getStderr()
{
    if (!lastErrorLine().isNull())
        m_errorText = lastErrorLine() + QLatin1Char('\n');
}

void QAZynScriptRun::zynFilesGenerated()
{
    report();
}

void QAZynScriptRun::zynFileExported()
{
    report();
}

void QAZynScriptRun::report()
{
    deleteLater();
    // A crashed or killed script leaves "Generate ZYN..." showing.
    if (crashed())
        return;
    const ScriptTexts &texts = textsOf(m_kind);
    if (exitCode() != 0) {
        QAZynErrorDialog dialog(m_errorText, m_window);
        QADialogSeam::instance().exec(&dialog);
        Q_EMIT statusMsg(tr(texts.failure), StatusDuration::Result);
    } else {
        Q_EMIT statusMsg(tr(texts.success), StatusDuration::Result);
        Q_EMIT succeeded();
    }
}

// A script still running when the window goes would be killed with it, leaving the generated
// files or the export half written without a word. The close waits for it to end (its result is
// reported as usual); Cancel stops it.
void QAZynScriptRun::waitForRuns(QWidget *window)
{
    const auto runs = [window] {
        return window->findChildren<QAScriptRunner *>(Qt::FindDirectChildrenOnly);
    };
    const auto running = [runs] {
        const QList<QAScriptRunner *> current = runs();
        return std::any_of(current.cbegin(), current.cend(),
                           [](const QAScriptRunner *runner) { return runner->isRunning(); });
    };
    if (!running())
        return;

    QAZynWaitDlg wait(tr("A script is still running; the editor closes when it has ended.\n"
                         "Cancel stops the script."),
                      productCaption(), true, window, QStringLiteral("closeWaitDialog"));
    wait.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(&wait, &QAZynWaitDlg::canceled, &loop, &QEventLoop::quit);
    for (QAScriptRunner *runner : runs()) {
        connect(runner, &QAScriptRunner::finished, &loop, [&loop, running] {
            if (!running())
                loop.quit();
        });
    }
    wait.show();
    loop.exec();
    wait.hide();

    for (QAScriptRunner *runner : runs())
        runner->kill();
}

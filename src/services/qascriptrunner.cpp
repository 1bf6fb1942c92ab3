#include "services/qascriptrunner.h"

#include "sdk/qainstall.h"

#include <csignal>
#include <unistd.h>

QAScriptRunner::QAScriptRunner(const QString &programPath, const QString &scriptPath,
                               const QStringList &arguments, QObject *parent)
    : QObject(parent)
    , m_process(new QProcess(this))
    , m_command(QAInstall::perlCommand(programPath) + QStringList { scriptPath } + arguments)
{
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] { readOutput(false); });
    connect(m_process, &QProcess::readyReadStandardError, this, [this] { readError(false); });
    connect(m_process, &QProcess::finished, this, &QAScriptRunner::processEnded);
    // A group of its own, so that stopping the script also stops what it started.
    m_process->setChildProcessModifier([] { ::setpgid(0, 0); });
}

QAScriptRunner::~QAScriptRunner()
{
    // The process would otherwise report its end to a runner that is half gone.
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        kill();
        m_process->waitForFinished();
    }
}

bool QAScriptRunner::start()
{
    if (m_command.isEmpty() || isRunning() || m_finished)
        return false;
    m_process->start(m_command.first(), m_command.mid(1));
    return m_process->waitForStarted();
}

bool QAScriptRunner::waitForFinished(int msecs)
{
    // QProcess reads both pipes while it waits and emits the ready signals from here, so a
    // script that writes more than a pipe holds never blocks.
    if (!m_finished && isRunning())
        m_process->waitForFinished(msecs);
    return m_finished;
}

void QAScriptRunner::kill()
{
    if (!isRunning())
        return;
    // The script is not reaped yet, so its number still names its group. SIGTERM first: the
    // scripts then remove their temporary files and end by that signal; what is still there
    // after a short while is killed outright.
    if (const qint64 pid = m_process->processId(); pid > 0) {
        ::kill(-pid_t(pid), SIGTERM);
        if (m_process->waitForFinished(StopGraceMs))
            return;
        ::kill(-pid_t(pid), SIGKILL);
    }
    m_process->kill();
}

// Takes the complete lines out of a buffer (all of it when flushing), line ends dropped.
static QStringList takeLines(QByteArray &buffer, bool flush)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = buffer.indexOf('\n'); end >= 0; end = buffer.indexOf('\n', start)) {
        qsizetype length = end - start;
        if (length > 0 && buffer.at(end - 1) == '\r')
            --length;
        lines.append(QString::fromLocal8Bit(buffer.constData() + start, length));
        start = end + 1;
    }
    buffer.remove(0, start);
    if (flush && !buffer.isEmpty()) {
        lines.append(QString::fromLocal8Bit(buffer));
        buffer.clear();
    }
    return lines;
}

// Lines are taken out before any is emitted: a receiver that runs an event loop may bring the
// next notification in while this one is still being delivered.
void QAScriptRunner::readOutput(bool flush)
{
    m_outputBuffer += m_process->readAllStandardOutput();
    const QStringList lines = takeLines(m_outputBuffer, flush);
    for (const QString &line : lines)
        Q_EMIT standardOutputLine(line);
}

void QAScriptRunner::readError(bool flush)
{
    m_errorBuffer += m_process->readAllStandardError();
    const QStringList lines = takeLines(m_errorBuffer, flush);
    if (!lines.isEmpty())
        m_lastErrorLine = lines.last();
    for (const QString &line : lines)
        Q_EMIT standardErrorLine(line);
}

void QAScriptRunner::processEnded(int exitCode, QProcess::ExitStatus status)
{
    // Whatever the pipes still hold, a last line without its line end included.
    readOutput(true);
    readError(true);
    m_exitCode = exitCode;
    m_crashed = status != QProcess::NormalExit;
    m_finished = true;
    Q_EMIT finished(m_exitCode, m_crashed);
}

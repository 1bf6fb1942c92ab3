#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

// Runs one installation script: the Perl command words, the script path, the arguments. Output
// arrives line by line, in order, each complete line as soon as a notification brings it; the end
// of the run arrives once, with a crash told apart from an exit status.
class QAScriptRunner : public QObject
{
    Q_OBJECT

public:
    QAScriptRunner(const QString &programPath, const QString &scriptPath,
                   const QStringList &arguments, QObject *parent);
    ~QAScriptRunner() override;

    // Every word of the command line, the interpreter first.
    QStringList command() const { return m_command; }
    // The words joined by single blanks, as start-failure messages quote them.
    QString commandText() const { return m_command.join(QLatin1Char(' ')); }

    // Starts the script and waits until it runs; false when it could not be started.
    bool start();
    bool isRunning() const { return m_process->state() != QProcess::NotRunning; }
    bool hasFinished() const { return m_finished; }
    // The exit status; after a crash, the number of the signal that ended the script.
    int exitCode() const { return m_exitCode; }
    bool crashed() const { return m_crashed; }
    // Whether the run ended badly: a non-zero status, a crash or a kill.
    bool failed() const { return m_finished && (m_crashed || m_exitCode != 0); }

    // Blocks up to msecs (-1: no limit) while still reading the output, so the line signals and
    // finished() come meanwhile. True when the run has ended.
    bool waitForFinished(int msecs = -1);
    // Stops the script and what it started (SIGTERM, then SIGKILL when it does not end within
    // a few seconds); finished() then reports it as crashed.
    void kill();

    // The last complete line the script wrote on standard error; null before any.
    QString lastErrorLine() const { return m_lastErrorLine; }

Q_SIGNALS:
    void standardOutputLine(const QString &line);
    void standardErrorLine(const QString &line);
    void finished(int exitCode, bool crashed);

private:
    // How long a stopped script may take to clean up before it is killed.
    static constexpr int StopGraceMs = 3000;

    void readOutput(bool flush);
    void readError(bool flush);
    void processEnded(int exitCode, QProcess::ExitStatus status);

    QProcess *m_process;
    QStringList m_command;
    QByteArray m_outputBuffer;
    QByteArray m_errorBuffer;
    QString m_lastErrorLine;
    int m_exitCode = 0;
    bool m_crashed = false;
    bool m_finished = false;
};

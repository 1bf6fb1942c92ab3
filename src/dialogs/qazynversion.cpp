#include "dialogs/qazynversion.h"

#include "dialogs/qazynerrordialog.h"
#include "document/zynformat.h"
#include "sdk/qainstall.h"
#include "services/productflavour.h"
#include "services/qadialogseam.h"
#include "services/qascriptrunner.h"

#include <QEventLoop>
#include <QLocale>
#include <QTimer>

#include <utility>

QAZYNVersion::QAZYNVersion(const QString &programPath, int timeLimitMsecs, ListStart start)
    : m_programPath(programPath)
    , m_timeLimit(timeLimitMsecs)
{
    startVersionList();
    if (start == WaitForList)
        waitForVersionList();
}

QAScriptRunner *QAZYNVersion::newRun(const QStringList &arguments)
{
    // Runs are waited for one at a time, so the previous one has ended by now.
    if (m_process)
        m_process->deleteLater();
    m_lastMessage = QString();
    m_stopped = false;
    m_process = new QAScriptRunner(
        m_programPath, QAInstall::scriptPath(m_programPath, QStringLiteral("zynver.pl")), arguments,
        this);
    return m_process;
}

QString QAZYNVersion::stoppedMessage() const
{
    return tr("The script did not end within %1 s and was stopped.")
        .arg(QLocale().toString(m_timeLimit / 1000.0));
}

void QAZYNVersion::getVersionList()
{
    startVersionList();
    waitForVersionList();
}

void QAZYNVersion::startVersionList()
{
    m_versionList.clear();
    QAScriptRunner *run = newRun({ QStringLiteral("-list") });
    connect(run, &QAScriptRunner::standardOutputLine, this, &QAZYNVersion::readVersionList);
    connect(run, &QAScriptRunner::standardErrorLine, this, &QAZYNVersion::readVersionListStderr);
    connect(run, &QAScriptRunner::finished, this, &QAZYNVersion::eofVersionList);

    if (!run->start()) {
        // Told by the wait, so that a run in the background reports it where it is awaited.
        m_startFailure = run->commandText() + QLatin1Char('\n') + tr("Unable to run command");
        run->deleteLater();
        m_process = nullptr;
        return;
    }

    m_waitingForList = true;
}

void QAZYNVersion::waitForVersionList()
{
    if (!m_startFailure.isEmpty())
        showError(std::exchange(m_startFailure, QString()));
    if (!m_waitingForList)
        return;
    // A list that has come already is read at once. Otherwise the splash and the rest of the
    // user interface stay serviced while it comes.
    QAScriptRunner *run = m_process;
    if (run->waitForFinished(0))
        return;
    QEventLoop loop;
    connect(run, &QAScriptRunner::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, run, [this, run] {
        m_stopped = true;
        run->kill();
    });
    limit.start(m_timeLimit);
    loop.exec();
}

QAZYNVersion::Version QAZYNVersion::checkVersion(const QString &docVersion)
{
    waitForVersionList();
    if (docVersion.isEmpty())
        return VersionOutdated;
    const qsizetype documentAt = m_versionList.indexOf(docVersion);
    const qsizetype editorAt = m_versionList.indexOf(Zyn::EditorVersion);
    if (editorAt < 0) {
        QADialogSeam::instance().message(
            nullptr, QMessageBox::Critical, QString::fromLatin1(productTitle()),
            tr("Editor XDP version not supported by script"), QMessageBox::Ok, QMessageBox::Ok);
        return VersionUnknown;
    }
    if (documentAt < 0)
        return VersionUnknown;
    if (documentAt == editorAt)
        return VersionCurrent;
    return documentAt < editorAt ? VersionOutdated : VersionNewer;
}

bool QAZYNVersion::updateFile(const QString &path, const QString &docVersion)
{
    QStringList arguments { QStringLiteral("-update"), path };
    if (!docVersion.isEmpty())
        arguments << QStringLiteral("-fromver") << docVersion;
    arguments << QStringLiteral("-tover") << Zyn::EditorVersion;

    QAScriptRunner *run = newRun(arguments);
    connect(run, &QAScriptRunner::standardOutputLine, this, &QAZYNVersion::readUpdate);
    connect(run, &QAScriptRunner::standardErrorLine, this, &QAZYNVersion::readUpdate);
    connect(run, &QAScriptRunner::finished, this, &QAZYNVersion::eofUpdate);

    if (!run->start()) {
        run->deleteLater();
        m_process = nullptr;
        return false;
    }
    // The wait keeps reading the output (the lines reach readUpdate in order) and ends with
    // eofUpdate; no user input is taken meanwhile.
    if (!run->waitForFinished(m_timeLimit)) {
        m_stopped = true;
        run->kill();
        run->waitForFinished();
    }
    return true;
}

void QAZYNVersion::showError(const QString &text)
{
    QAZynErrorDialog dialog(text);
    QADialogSeam::instance().exec(&dialog);
}

void QAZYNVersion::readVersionList(const QString &line)
{
    if (!line.isEmpty())
        m_versionList.append(line);
}

void QAZYNVersion::readVersionListStderr(const QString &line)
{
    m_lastMessage = line;
}

void QAZYNVersion::eofVersionList(int exitCode, bool crashed)
{
    m_waitingForList = false;
    // A crashed or killed script has not listed the versions either.
    if (!crashed && exitCode == 0)
        return;
    if (m_stopped)
        m_lastMessage = stoppedMessage() + QLatin1Char('\n');
    showError(tr("Get Version List failed :\n ") + m_lastMessage
              + m_versionList.join(QLatin1Char('\n')));
}

void QAZYNVersion::readUpdate(const QString &line)
{
    m_lastMessage = line;
}

void QAZYNVersion::eofUpdate(int exitCode, bool crashed)
{
    if (!crashed && exitCode == 0)
        return;
    if (m_stopped)
        m_lastMessage = stoppedMessage();
    showError(tr("Update failed : ") + m_lastMessage);
}

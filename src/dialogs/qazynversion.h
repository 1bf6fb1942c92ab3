#pragma once

#include <QObject>
#include <QStringList>

class QAScriptRunner;

// Knows the format versions that zynver.pl lists, classifies a document's version against the
// editor's own and converts older documents with the same script.
class QAZYNVersion : public QObject
{
    Q_OBJECT

public:
    enum Version { VersionUnknown = 0, VersionOutdated, VersionCurrent, VersionNewer };

    // A script that has not ended after this long is stopped and reported as failed: a hanging
    // script must not hold the editor forever.
    static constexpr int DefaultTimeLimit = 30000;

    enum ListStart { WaitForList, ListInBackground };

    // Runs the list script at once and, unless told to leave it running in the background,
    // waits for it, the event loop turning meanwhile.
    explicit QAZYNVersion(const QString &programPath, int timeLimitMsecs = DefaultTimeLimit,
                          ListStart start = WaitForList);

    void getVersionList();
    // Ends a list run started in the background: returns once the script has ended.
    void waitForVersionList();
    Version checkVersion(const QString &docVersion);
    // Converts the file in place to the editor's version. True when the script was started,
    // whatever came of it (a failure has been shown by then); false when it could not start.
    bool updateFile(const QString &path, const QString &docVersion);
    void showError(const QString &text);

    QStringList versionList() const { return m_versionList; }
    QString lastMessage() const { return m_lastMessage; }

public Q_SLOTS:
    void readVersionList(const QString &line);
    void readVersionListStderr(const QString &line);
    void eofVersionList(int exitCode, bool crashed);
    void readUpdate(const QString &line);
    void eofUpdate(int exitCode, bool crashed);

private:
    void startVersionList();
    QAScriptRunner *newRun(const QStringList &arguments);
    QString stoppedMessage() const;

    QStringList m_versionList;
    QAScriptRunner *m_process = nullptr;
    QString m_programPath;
    QString m_lastMessage;
    QString m_startFailure;
    int m_timeLimit;
    bool m_waitingForList = false;
    bool m_stopped = false;
};

#pragma once

#include <QString>

// Receives what an installation step has to report.
class QAILogMonitor
{
public:
    virtual ~QAILogMonitor() = default;
    virtual void log(const QString &message) = 0;
    // Called once when the step has ended.
    virtual void done() { }
};

// Installs the per-user copies of the installation's target descriptions (templates and
// reference page) into the user's data directory, where new documents are made and generated.
class QAUserLibrary
{
public:
    // Answers whether everything needed is in place; problems go to the monitor.
    static bool checkAndInstall(const QString &productTitle, QAILogMonitor *monitor,
                                const QString &programPath = QString());
};

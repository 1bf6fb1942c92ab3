#pragma once

#include "services/qascriptrunner.h"

class QWidget;

// One run of the generator or the export script for the main window: starts it, keeps its last
// error line and tells the user how it ended. The runs are children of the window, each one
// reporting on itself only, whatever other runs do meanwhile; a finished run deletes itself.
class QAZynScriptRun : public QAScriptRunner
{
    Q_OBJECT

public:
    enum class Kind { Generator, Export };

    QAZynScriptRun(Kind kind, const QString &programPath, const QString &documentPath,
                   const QString &lastArgument, QWidget *window);

    // Shows "Generate ZYN..." and starts the script; false when it could not start, which the
    // user has been told.
    bool run();

    // Before window closes: waits for the runs still going, Cancel stops them.
    static void waitForRuns(QWidget *window);

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);
    // The script ended with status 0.
    void succeeded();

public Q_SLOTS:
    void getStderr();
    void zynFilesGenerated();
    void zynFileExported();

private:
    void report();

    Kind m_kind;
    QWidget *m_window;
    QString m_errorText;
};

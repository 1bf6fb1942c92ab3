#pragma once

#include "app/qamainwindoweditor.h"
#include "services/productflavour.h"
#include "support/checked.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <memory>

// What the document lifecycle tests share: a private copy of the installation (its generate-in
// directory receives what the tests generate; its scripts may be swapped for fakes), scripted
// dialogs and a main window built on them.
class LifecycleFixture
{
public:
    LifecycleFixture()
        : m_env(std::make_unique<TestEnvironment>())
    {
        // The temporary home has no per-user target directory: the generate-in directory is
        // the copy's own.
        m_installDir = m_env->home() + QStringLiteral("/install");
        m_ready = TestFiles::copyTree(TestEnvironment::stagedTree(), m_installDir);
        qputenv("CORVINDIR", QFile::encodeName(m_installDir));
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    ~LifecycleFixture() { qunsetenv("ZYN_PERL"); }

    // Whether the installation copy is complete: QVERIFY it before the test goes on.
    [[nodiscard]] bool ready() const { return m_ready; }

    ScriptedDialogs &dialogs() { return *m_dialogs; }
    TestEnvironment &env() { return *m_env; }
    QString targetsDir() const { return m_installDir + QStringLiteral("/targets"); }
    QString templateDir() const { return targetsDir() + QStringLiteral("/xml"); }
    QString scriptPath(const QString &name) const
    {
        return m_installDir + QStringLiteral("/lib/scripts/") + name;
    }

    QAMainWindowEditor &window(const QStringList &extraArguments = {})
    {
        if (!m_window) {
            m_window = std::make_unique<QAMainWindowEditor>(
                QStringList { QStringLiteral(ZYN_EDITOR_BINARY) } + extraArguments);
            m_window->show();
        }
        return *m_window;
    }

    // The window goes without its close, as in a crash; the next window() builds a new one.
    void dropWindow() { m_window.reset(); }

    // Copies a fixture document to the scratch directory, under another name when given, and
    // sets path to the copy.
    [[nodiscard]] bool fixture(const QString &name, QString *path,
                               const QString &as = QString()) const
    {
        return m_env->copyToScratch(TestEnvironment::dataFile(QStringLiteral("lifecycle/") + name),
                                    path, as);
    }

    // Replaces an installation script with a Perl body of the test's.
    [[nodiscard]] bool replaceScript(const QString &name, const QByteArray &body) const
    {
        return TestFiles::write(scriptPath(name),
                                "use strict;\nuse warnings;\nSTDERR->autoflush(1);\n" + body);
    }

    QString statusText() { return window().statusBar()->currentMessage(); }
    static QString title() { return QString::fromLatin1(productTitle()); }
    bool fileActionsEnabled()
    {
        return window().findChild<QAction *>(QStringLiteral("fileSaveAction"))->isEnabled();
    }

    // The questions of one kind asked so far.
    QList<ScriptedDialogs::Question> asked(DialogKind kind) const { return m_dialogs->asked(kind); }

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_installDir;
    bool m_ready = false;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QAMainWindowEditor> m_window;
};

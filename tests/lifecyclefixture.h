#pragma once

#include "app/qamainwindoweditor.h"
#include "services/productflavour.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
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
        copyTree(TestEnvironment::stagedTree(), m_installDir);
        qputenv("CORVINDIR", QFile::encodeName(m_installDir));
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    ~LifecycleFixture() { qunsetenv("ZYN_PERL"); }

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

    // A fixture document copied to the scratch directory, under another name when given.
    QString fixture(const QString &name, const QString &as = QString()) const
    {
        return m_env->copyToScratch(TestEnvironment::dataFile(QStringLiteral("lifecycle/") + name),
                                    as);
    }

    // Replaces an installation script with a Perl body of the test's.
    void replaceScript(const QString &name, const QByteArray &body) const
    {
        QFile file(scriptPath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("use strict;\nuse warnings;\nSTDERR->autoflush(1);\n" + body);
    }

    // Writes a file, creating its directory.
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString statusText() { return window().statusBar()->currentMessage(); }
    static QString title() { return QString::fromLatin1(productTitle()); }
    bool fileActionsEnabled()
    {
        return window().findChild<QAction *>(QStringLiteral("fileSaveAction"))->isEnabled();
    }

    // The questions of one kind asked so far.
    QList<ScriptedDialogs::Question> asked(const QString &kind) const
    {
        QList<ScriptedDialogs::Question> list;
        for (const auto &q : m_dialogs->questions()) {
            if (q.kind == kind)
                list.append(q);
        }
        return list;
    }

    static void copyTree(const QString &from, const QString &to)
    {
        QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = to + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_installDir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QAMainWindowEditor> m_window;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points settings and per-user data at a temporary directory for the life of the object, and
// CORVINDIR at the staged installation tree unless told otherwise.
class TestEnvironment
{
public:
    explicit TestEnvironment(const QString &installDir = QString());
    ~TestEnvironment();

    QString home() const { return m_home.path(); }
    QString installDir() const { return m_installDir; }
    // A scratch directory that lives as long as the environment.
    QString scratch() const { return m_home.path() + QStringLiteral("/scratch"); }

    // The staged installation tree of the build.
    static QString stagedTree();
    // A file of the test data folder.
    static QString dataFile(const QString &name);
    // Writes a file below the scratch directory, creating its directory; sets path to it.
    [[nodiscard]] bool writeScratch(const QString &name, const QByteArray &content,
                                    QString *path) const;
    // Copies a file into the scratch directory, under another name when given, readable by all
    // and writable by the owner; sets path to the copy.
    [[nodiscard]] bool copyToScratch(const QString &source, QString *path,
                                     const QString &name = QString()) const;

private:
    QTemporaryDir m_home;
    QString m_installDir;
};

#include "support/testenvironment.h"

#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

TestEnvironment::TestEnvironment(const QString &installDir)
    : m_installDir(installDir.isEmpty() ? stagedTree() : installDir)
{
    // Without its own home a test would read and clear the user's settings.
    if (!m_home.isValid())
        qFatal("no temporary home: %s", qPrintable(m_home.errorString()));
    // Test mode puts per-user data under $HOME/.qttest: keep even that in the temporary home.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/data")));
    // Document locks live in the runtime directory, which must be the user's alone.
    const QString runtime = m_home.path() + QStringLiteral("/runtime");
    if (!QDir().mkpath(runtime)
        || !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qFatal("cannot create %s", qPrintable(runtime));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("CORVINDIR", QFile::encodeName(m_installDir));
    if (!QDir().mkpath(scratch()))
        qFatal("cannot create %s", qPrintable(scratch()));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora Software"));
    QCoreApplication::setApplicationName(QStringLiteral("zyneditor-test"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_home.path() + QStringLiteral("/config"));
    QSettings().clear();
}

TestEnvironment::~TestEnvironment()
{
    QSettings().clear();
}

QString TestEnvironment::stagedTree()
{
    return QStringLiteral(ZYN_STAGED_TREE);
}

QString TestEnvironment::dataFile(const QString &name)
{
    return QStringLiteral(ZYN_TEST_DATA_DIR) + QLatin1Char('/') + name;
}

bool TestEnvironment::writeScratch(const QString &name, const QByteArray &content,
                                   QString *path) const
{
    *path = scratch() + QLatin1Char('/') + name;
    return TestFiles::write(*path, content);
}

bool TestEnvironment::copyToScratch(const QString &source, QString *path, const QString &name) const
{
    *path = scratch() + QLatin1Char('/') + (name.isEmpty() ? QFileInfo(source).fileName() : name);
    return TestFiles::copy(source, *path)
        && QFile::setPermissions(
               *path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

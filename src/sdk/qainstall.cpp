#include "sdk/qainstall.h"

#include <QDir>
#include <QStandardPaths>

QString QAInstall::installDir(const QString &)
{
    return QDir::cleanPath(QString::fromLocal8Bit(qgetenv("CORVINDIR")));
}

QString QAInstall::targetDir(const QString &programPath)
{
    return installDir(programPath) + QDir::separator() + QStringLiteral("targets");
}

QString QAInstall::helpDir(const QString &programPath)
{
    return installDir(programPath) + QDir::separator() + QStringLiteral("doc");
}

QString QAInstall::applicationData(const QString &)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QStringList QAInstall::perlCommand(const QString &)
{
    // An explicit interpreter lets tests and packagers pick another Perl.
    QString perl = QString::fromLocal8Bit(qgetenv("ZYN_PERL"));
    if (perl.isEmpty())
        perl = QStandardPaths::findExecutable(QStringLiteral("perl"));
    if (perl.isEmpty())
        perl = QStringLiteral("perl");
    return { perl, QStringLiteral("-w") };
}

QString QAInstall::scriptPath(const QString &programPath, const QString &scriptName)
{
    const QChar sep = QDir::separator();
    return installDir(programPath) + sep + QStringLiteral("lib") + sep + QStringLiteral("scripts")
        + sep + scriptName;
}

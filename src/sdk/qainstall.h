#pragma once

#include <QString>
#include <QStringList>

// Paths of the installation that CORVINDIR names. Every query takes the program path, as the
// callers always hand it over; the environment decides.
class QAInstall
{
public:
    static QString installDir(const QString &programPath);
    static QString targetDir(const QString &programPath);
    static QString helpDir(const QString &programPath);
    static QString applicationData(const QString &programPath);
    static QStringList perlCommand(const QString &programPath);
    // installDir/lib/scripts/<name>
    static QString scriptPath(const QString &programPath, const QString &scriptName);
};

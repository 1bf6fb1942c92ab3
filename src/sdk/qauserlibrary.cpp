#include "sdk/qauserlibrary.h"

#include "sdk/qainstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

static void report(QAILogMonitor *monitor, const QString &message)
{
    if (monitor)
        monitor->log(message);
}

bool QAUserLibrary::checkAndInstall(const QString &productTitle, QAILogMonitor *monitor,
                                    const QString &programPath)
{
    Q_UNUSED(productTitle);
    bool ok = true;
    const QDir source(QAInstall::targetDir(programPath) + QStringLiteral("/xml"));
    const QString userData = QAInstall::applicationData(programPath);
    const QString targetsName = QFileInfo(QAInstall::targetDir(programPath)).fileName();
    const QDir destination(userData + QLatin1Char('/') + targetsName + QStringLiteral("/xml"));

    if (!source.exists()) {
        report(monitor,
               QCoreApplication::translate("QAUserLibrary",
                                           "The installation has no target directory %1.")
                   .arg(QDir::toNativeSeparators(source.path())));
        ok = false;
    } else if (!QDir().mkpath(destination.path())) {
        report(monitor,
               QCoreApplication::translate("QAUserLibrary", "Cannot create %1.")
                   .arg(QDir::toNativeSeparators(destination.path())));
        ok = false;
    } else {
        const QStringList files = source.entryList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : files) {
            const QString target = destination.filePath(name);
            if (QFileInfo::exists(target))
                continue;
            if (!QFile::copy(source.filePath(name), target)) {
                report(monitor,
                       QCoreApplication::translate("QAUserLibrary", "Cannot copy %1 to %2.")
                           .arg(QDir::toNativeSeparators(source.filePath(name)),
                                QDir::toNativeSeparators(target)));
                ok = false;
            }
        }
    }
    if (monitor)
        monitor->done();
    return ok;
}

#include "app/qagenerateinpolicy.h"

#include "services/qadialogseam.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString QAGenerateInPolicy::resolve(const QString &value, const QString &documentPath)
{
    if (value.isEmpty())
        return QString();
    // Never the editor's working directory: that depends on how the editor was started.
    const QDir base = QFileInfo(documentPath).absoluteDir();
    return QDir::cleanPath(base.absoluteFilePath(value));
}

bool QAGenerateInPolicy::isApproved(const QString &directory)
{
    return list(ApprovedKey).contains(QDir::cleanPath(directory));
}

void QAGenerateInPolicy::approve(const QString &directory)
{
    if (directory.isEmpty())
        return;
    add(ApprovedKey, directory);
    QStringList refused = list(RefusedKey);
    if (refused.removeAll(QDir::cleanPath(directory)))
        QSettings().setValue(QLatin1String(RefusedKey), refused);
}

QString QAGenerateInPolicy::decide(QWidget *parent, const QString &caption, const QString &value,
                                   const QString &documentPath, const QString &current,
                                   const QString &defaultDirectory)
{
    if (value.isNull())
        return current;
    const QString directory = resolve(value, documentPath);
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        return defaultDirectory;
    if (directory == QDir::cleanPath(defaultDirectory) || isApproved(directory))
        return directory;
    if (list(RefusedKey).contains(directory))
        return defaultDirectory;
    return ask(parent, caption, directory, defaultDirectory);
}

QString QAGenerateInPolicy::ask(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &defaultDirectory)
{
    QADialogSeam &dialogs = QADialogSeam::instance();
    const int answer = dialogs.choice(
        parent, QMessageBox::Question, caption,
        tr("This document asks to generate its files in\n%1\nwhere you have not generated "
           "before. Files there may be replaced.")
            .arg(QDir::toNativeSeparators(directory)),
        { tr("&Use It"), tr("Use the &Default"), tr("&Choose Another...") },
        int(Answer::UseDefault), int(Answer::UseDefault));
    if (answer == int(Answer::UseIt)) {
        approve(directory);
        return directory;
    }
    if (answer == int(Answer::ChooseAnother)) {
        QString chosen = dialogs.existingDirectory(parent, QStringLiteral("Generate ZYN dialog"),
                                                   tr("Generate ZYN In"), defaultDirectory);
        while (chosen.size() > 1 && chosen.endsWith(QLatin1Char('/')))
            chosen.chop(1);
        if (chosen.isEmpty())
            return defaultDirectory;
        add(RefusedKey, directory);
        approve(chosen);
        return QDir::cleanPath(chosen);
    }
    add(RefusedKey, directory);
    return defaultDirectory;
}

QStringList QAGenerateInPolicy::list(const char *key)
{
    return QSettings().value(QLatin1String(key)).toStringList();
}

void QAGenerateInPolicy::add(const char *key, const QString &directory)
{
    QStringList entries = list(key);
    const QString clean = QDir::cleanPath(directory);
    if (!entries.contains(clean)) {
        entries.append(clean);
        QSettings().setValue(QLatin1String(key), entries);
    }
}

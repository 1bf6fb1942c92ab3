#include "support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

namespace TestFiles {

namespace {

bool makeParent(const QString &path)
{
    const QString parent = QFileInfo(path).absolutePath();
    if (QDir().mkpath(parent))
        return true;
    qWarning("cannot create the directory %s", qPrintable(parent));
    return false;
}

} // namespace

bool write(const QString &path, const QByteArray &content)
{
    if (!makeParent(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(content) != content.size() || !file.flush()) {
        qWarning("cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool writeAll(const QString &root, const Files &files)
{
    for (const auto &[relative, content] : files) {
        if (!write(root + QLatin1Char('/') + relative, content))
            return false;
    }
    return true;
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool copy(const QString &from, const QString &to)
{
    if (!makeParent(to))
        return false;
    QFile::remove(to);
    QFile source(from);
    if (!source.copy(to)) {
        qWarning("cannot copy %s to %s: %s", qPrintable(from), qPrintable(to),
                 qPrintable(source.errorString()));
        return false;
    }
    return true;
}

bool copyTree(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isDir()) {
        qWarning("cannot copy %s: not a directory", qPrintable(from));
        return false;
    }
    if (!QDir().mkpath(to)) {
        qWarning("cannot create the directory %s", qPrintable(to));
        return false;
    }
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(entry);
        const bool copied = it.fileInfo().isDir() ? QDir().mkpath(target) : copy(entry, target);
        if (!copied) {
            qWarning("cannot copy %s to %s", qPrintable(entry), qPrintable(target));
            return false;
        }
    }
    return true;
}

} // namespace TestFiles

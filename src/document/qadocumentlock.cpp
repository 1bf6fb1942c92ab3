#include "document/qadocumentlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <utility>

namespace {

QString lockDirectory()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/zyneditor-locks");
}

} // namespace

QADocumentLock::QADocumentLock() = default;

QADocumentLock::~QADocumentLock() = default;

QString QADocumentLock::lockPathFor(const QString &documentPath)
{
    // Two names of one file (a symbolic link, "docs/../a.xdp") share one lock.
    const QFileInfo info(documentPath);
    QString key = info.canonicalFilePath();
    if (key.isEmpty())
        key = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash
        = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return lockDirectory() + QLatin1Char('/') + QString::fromLatin1(hash) + QStringLiteral(".lock");
}

QADocumentLock::Result QADocumentLock::acquire(const QString &documentPath)
{
    release();
    m_holder.clear();
    const QString path = lockPathFor(documentPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return Result::Unavailable;
    auto lock = std::make_unique<QLockFile>(path);
    // Only a lock whose process is gone is stale, however old it is: a document may stay open
    // for days.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        m_lockPath = path;
        return Result::Acquired;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock->getLockInfo(&pid, &host, &application))
        m_holder
            = QCoreApplication::translate("QADocumentLock", "process %1 on %2").arg(pid).arg(host);
    return Result::HeldElsewhere;
}

void QADocumentLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_lockPath.clear();
}

bool QADocumentLock::holds(const QString &documentPath) const
{
    return isHeld() && m_lockPath == lockPathFor(documentPath);
}

void QADocumentLock::adopt(QADocumentLock &other)
{
    if (&other == this)
        return;
    release();
    m_lock = std::move(other.m_lock);
    m_lockPath = std::exchange(other.m_lockPath, QString());
}

bool QADocumentLock::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

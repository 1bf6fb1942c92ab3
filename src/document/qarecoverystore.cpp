#include "document/qarecoverystore.h"

#include "document/qafilesaver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace {

QString keyOf(const QString &documentPath)
{
    return QDir::cleanPath(QFileInfo(documentPath).absoluteFilePath());
}

} // namespace

QARecoveryStore::QARecoveryStore(QObject *parent)
    : QObject(parent)
    , m_idle(new QTimer(this))
    , m_longest(new QTimer(this))
{
    m_idle->setSingleShot(true);
    m_longest->setSingleShot(true);
    setDelays(DefaultIdleDelay, DefaultLongestDelay);
    connect(m_idle, &QTimer::timeout, this, &QARecoveryStore::fire);
    connect(m_longest, &QTimer::timeout, this, &QARecoveryStore::fire);
}

void QARecoveryStore::setDelays(int idleMilliseconds, int longestMilliseconds)
{
    m_idle->setInterval(idleMilliseconds);
    m_longest->setInterval(longestMilliseconds);
}

QString QARecoveryStore::directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/recovery");
}

QString QARecoveryStore::recoveryPathFor(const QString &documentPath)
{
    const QByteArray hash
        = QCryptographicHash::hash(keyOf(documentPath).toUtf8(), QCryptographicHash::Sha1).toHex();
    return directory() + QLatin1Char('/') + QString::fromLatin1(hash) + QStringLiteral(".xdp");
}

bool QARecoveryStore::write(const QString &documentPath, const QByteArray &bytes)
{
    const QString path = recoveryPathFor(documentPath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    if (!QAFileSaver::writeFlushed(file, bytes))
        return false;
    // Unsaved work may be private: only its owner reads the copy.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.commit();
}

QByteArray QARecoveryStore::read(const QString &documentPath)
{
    QFile file(recoveryPathFor(documentPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void QARecoveryStore::remove(const QString &documentPath)
{
    QFile::remove(recoveryPathFor(documentPath));
}

bool QARecoveryStore::hasRecoveryFor(const QString &documentPath)
{
    const QFileInfo recovery(recoveryPathFor(documentPath));
    if (!recovery.isFile())
        return false;
    const QFileInfo document(documentPath);
    if (!document.isFile())
        return true;
    if (recovery.lastModified() < document.lastModified())
        return false;
    QFile file(documentPath);
    return !file.open(QIODevice::ReadOnly) || file.readAll() != read(documentPath);
}

void QARecoveryStore::noteChange()
{
    m_idle->start();
    if (!m_longest->isActive())
        m_longest->start();
}

void QARecoveryStore::cancel()
{
    m_idle->stop();
    m_longest->stop();
}

void QARecoveryStore::fire()
{
    cancel();
    Q_EMIT due();
}

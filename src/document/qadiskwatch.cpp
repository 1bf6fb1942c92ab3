#include "document/qadiskwatch.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int SettleDelay = 200;

// Read at every outside change and, on a second thread, after every open and save: a fast
// hash. BLAKE2b is several times quicker than SHA-256 and as safe against accidental likeness.
QByteArray contentHash(QFile &file)
{
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    hash.addData(&file);
    return hash.result();
}

// Time and size of a readable file; no hash yet.
QADiskWatch::Fingerprint timeAndSize(const QString &path)
{
    QADiskWatch::Fingerprint print;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !QFile(path).open(QIODevice::ReadOnly))
        return print;
    print.exists = true;
    print.modified = info.lastModified();
    print.size = info.size();
    return print;
}

QByteArray valueOf(const std::shared_future<QByteArray> &hash)
{
    return hash.valid() ? hash.get() : QByteArray();
}

} // namespace

QADiskWatch::Fingerprint QADiskWatch::Fingerprint::of(const QString &path)
{
    Fingerprint print = timeAndSize(path);
    QFile file(path);
    if (print.exists && file.open(QIODevice::ReadOnly)) {
        std::promise<QByteArray> known;
        known.set_value(contentHash(file));
        print.hash = known.get_future().share();
    }
    return print;
}

QADiskWatch::Fingerprint QADiskWatch::Fingerprint::ofInBackground(const QString &path)
{
    Fingerprint print = timeAndSize(path);
    // Opened here, so that the hash is of this file even when it is replaced meanwhile.
    const int descriptor
        = print.exists ? ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC) : -1;
    if (descriptor >= 0) {
        print.hash = std::async(std::launch::async, [descriptor] {
                         QFile file;
                         if (!file.open(descriptor, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
                             ::close(descriptor);
                             return QByteArray();
                         }
                         return contentHash(file);
                     }).share();
    }
    return print;
}

bool QADiskWatch::Fingerprint::sameContent(const Fingerprint &other) const
{
    return exists == other.exists && size == other.size && valueOf(hash) == valueOf(other.hash);
}

QADiskWatch::QADiskWatch(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleDelay);
    connect(m_settle, &QTimer::timeout, this, &QADiskWatch::check);
    // The directory too: an atomic replacement or a re-creation shows only there.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
            qOverload<>(&QTimer::start));
}

void QADiskWatch::watch(const QString &path)
{
    stop();
    m_path = QFileInfo(path).absoluteFilePath();
    rearm();
    remember();
}

void QADiskWatch::remember()
{
    m_known = Fingerprint::ofInBackground(m_path);
    m_hasReported = false;
    rearm();
}

void QADiskWatch::stop()
{
    m_settle->stop();
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_path.clear();
    m_known = Fingerprint();
    m_hasReported = false;
}

// The watcher drops a file that was replaced or deleted: it is watched again once it exists.
void QADiskWatch::rearm()
{
    if (m_path.isEmpty())
        return;
    if (QFileInfo::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
    const QString directory = QFileInfo(m_path).absolutePath();
    if (QFileInfo(directory).isDir() && !m_watcher->directories().contains(directory))
        m_watcher->addPath(directory);
}

// The time and size decide cheaply that nothing happened; otherwise the content decides.
QADiskWatch::Fingerprint QADiskWatch::current() const
{
    const QFileInfo info(m_path);
    if (m_known.exists && info.isFile() && info.size() == m_known.size
        && info.lastModified() == m_known.modified)
        return m_known;
    return Fingerprint::of(m_path);
}

bool QADiskWatch::differsOnDisk() const
{
    return !m_path.isEmpty() && !current().sameContent(m_known);
}

bool QADiskWatch::isGone() const
{
    return !m_path.isEmpty() && !QFileInfo(m_path).isFile();
}

void QADiskWatch::check()
{
    if (m_path.isEmpty())
        return;
    rearm();
    const Fingerprint now = current();
    if (now.sameContent(m_known)) {
        // Touched only: the new time spares hashing the next time.
        m_known.modified = now.modified;
        m_hasReported = false;
        return;
    }
    // Each state of the disk is reported once: the user answered for it already.
    if (m_hasReported && now.sameContent(m_reported))
        return;
    m_reported = now;
    m_hasReported = true;
    Q_EMIT changedOnDisk();
}

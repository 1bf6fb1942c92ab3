#include "document/qafilesaver.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a save writes: the final target of a symbolic link, or the path itself.
QString targetOf(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

bool statOf(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
}

// The group a new file in directory would get.
gid_t newFileGroup(const struct stat &directory)
{
    return (directory.st_mode & S_ISGID) ? directory.st_gid : ::getegid();
}

// Writes all of bytes at offset 0 of fd.
bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n
            = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool truncateTo(int fd, qint64 size)
{
    return ::ftruncate(fd, off_t(size)) == 0;
}

} // namespace

void QAFileSaver::ignoreFileSizeSignal()
{
    static const bool ignored = [] {
        struct sigaction action
        {
        };
        action.sa_handler = SIG_IGN;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGXFSZ, &action, nullptr) == 0;
    }();
    Q_UNUSED(ignored);
}

QAFileSaver::Method QAFileSaver::methodFor(const QString &path)
{
    const QString target = targetOf(path);
    struct stat file
    {
    };
    if (!statOf(target, &file))
        return Method::Replace;
    const QString directory = QFileInfo(target).absolutePath();
    struct stat dir
    {
    };
    if (!statOf(directory, &dir)
        || ::access(QFile::encodeName(directory).constData(), W_OK | X_OK) != 0)
        return Method::InPlace;
    if (file.st_nlink > 1 || file.st_uid != ::geteuid() || file.st_gid != newFileGroup(dir))
        return Method::InPlace;
    return Method::Replace;
}

bool QAFileSaver::save(const QString &path, const QByteArray &bytes)
{
    ignoreFileSizeSignal();
    const QString target = targetOf(path);
    if (methodFor(target) == Method::InPlace)
        return writeInPlace(target, bytes);
    return replace(target, bytes);
}

bool QAFileSaver::writeFlushed(QSaveFile &file, const QByteArray &bytes)
{
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() misses an error of the last flush (a full disk) and would put the
    // truncated file in place: flush first and give up on failure.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return true;
}

bool QAFileSaver::replace(const QString &path, const QByteArray &bytes)
{
    struct stat old
    {
    };
    const bool existed = statOf(path, &old);
    QSaveFile file(path);
    if (!writeFlushed(file, bytes))
        return false;
    // The exact mode, set-id and sticky bits included.
    if (existed && ::fchmod(file.handle(), old.st_mode & 07777) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The old content is kept in memory until the new one is complete on disk: space is reserved
// first, so a full disk or a size limit is found before anything is overwritten, and a write
// that fails anyway puts the old bytes back.
bool QAFileSaver::writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray old = file.readAll();
    const int fd = file.handle();
    if (bytes.size() > old.size()) {
        const int reserved = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (reserved != 0) {
            // Nothing was written; only a partial reservation may have to go.
            truncateTo(fd, old.size());
            return false;
        }
    }
    if (writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0)
        return true;
    if (writeAll(fd, old) && truncateTo(fd, old.size()))
        ::fsync(fd);
    return false;
}

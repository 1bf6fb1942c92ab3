#include "sdk/qaxmlreadahead.h"

#include "services/backgroundpriority.h"

#include <QFile>
#include <QFileInfo>

#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>

#include <sys/stat.h>

namespace {

struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified {};
    timespec changed {};

    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
            && modified.tv_sec == other.modified.tv_sec
            && modified.tv_nsec == other.modified.tv_nsec && changed.tv_sec == other.changed.tv_sec
            && changed.tv_nsec == other.changed.tv_nsec;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp { status.st_dev, status.st_ino, status.st_size, status.st_mtim,
                       status.st_ctim };
}

struct Reading
{
    QString path;
    // The file as it was both before and after the read; none when it changed meanwhile.
    std::optional<FileStamp> stamp;
    QDomDocument document;
    QDomElement root;
    QString errorText;
    QAAttributeOrder attributeOrder;
};

std::mutex g_mutex;
std::optional<std::future<std::unique_ptr<Reading>>> g_reading;

std::unique_ptr<Reading> read(const QString &path)
{
    lowerThreadPriority();
    auto reading = std::make_unique<Reading>();
    reading->path = path;
    const std::optional<FileStamp> before = stampOf(path);
    reading->root = QAXmlEditor::readRootElementFromDisk(
        path, reading->document, &reading->errorText, &reading->attributeOrder);
    const std::optional<FileStamp> after = stampOf(path);
    if (before && after && *before == *after)
        reading->stamp = after;
    return reading;
}

std::unique_ptr<Reading> takeReading()
{
    std::optional<std::future<std::unique_ptr<Reading>>> pending;
    {
        const std::lock_guard lock(g_mutex);
        pending.swap(g_reading);
    }
    return pending ? pending->get() : nullptr;
}

} // namespace

void QAXmlReadAhead::start(const QString &path)
{
    drop();
    const std::lock_guard lock(g_mutex);
    // Made absolute here: the working directory may change before the thread runs.
    try {
        g_reading = std::async(std::launch::async, read, QFileInfo(path).absoluteFilePath());
    } catch (const std::system_error &) {
        // No thread to spare: the open reads the file itself.
    }
}

bool QAXmlReadAhead::take(const QString &path, QDomDocument &document, QDomElement &root,
                          QString *errorText, QAAttributeOrder *attributeOrder)
{
    const std::unique_ptr<Reading> reading = takeReading();
    if (!reading || reading->path != QFileInfo(path).absoluteFilePath() || !reading->stamp
        || stampOf(path) != reading->stamp)
        return false;
    document = reading->document;
    root = reading->root;
    // As a read from the disk: a success leaves the caller's error text alone, and a refusal
    // names the file as the caller did.
    if (errorText && root.isNull()) {
        *errorText = reading->errorText;
        if (errorText->startsWith(reading->path))
            errorText->replace(0, reading->path.size(), path);
    }
    if (attributeOrder)
        *attributeOrder = reading->attributeOrder;
    return true;
}

void QAXmlReadAhead::drop()
{
    takeReading();
}

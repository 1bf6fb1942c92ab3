#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Writes a complete file over an existing one or as a new one so that the file stays what it
// was to the system: mode, owner, group, hard links and symbolic links are kept. Normally the
// new bytes replace the file atomically; where a replacement would lose something (the
// directory cannot take a temporary file, the file has other hard links, or the new file would
// change owner or group), the bytes are written into the file itself. Either way a failed write
// leaves the old content in place.
class QAFileSaver
{
public:
    enum class Method { Replace, InPlace };

    // The method a save of path would take; a symbolic link counts as its target.
    static Method methodFor(const QString &path);
    // Answers whether bytes are now the content of path.
    static bool save(const QString &path, const QByteArray &bytes);
    // A file size limit ends a process with SIGXFSZ when a write passes it; ignored, the write
    // fails like on a full disk. Done once per process.
    static void ignoreFileSizeSignal();
    // Opens the file and writes the bytes, flushed, so that commit() puts them in place whole;
    // false, with the writing cancelled, when any of it fails.
    static bool writeFlushed(QSaveFile &file, const QByteArray &bytes);

private:
    static bool replace(const QString &path, const QByteArray &bytes);
    static bool writeInPlace(const QString &path, const QByteArray &bytes);
};

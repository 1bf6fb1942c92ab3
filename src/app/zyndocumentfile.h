#pragma once

#include <QByteArray>
#include <QString>

#include "sdk/qaxmleditor.h"

class QDomElement;

// File checks and writes of the document lifecycle, free of any window.
namespace ZynDocumentFile {

// A file name without its ".xdp" extension: the name of its target directory.
QString withoutXdp(const QString &fileName);
// Whether a save could write path, found without creating or truncating anything.
bool canBeWritten(const QString &path);
// Whether path is a regular file that can be opened for reading. Anything else (a directory, a
// FIFO, a device) is refused before an open that could block.
bool canBeRead(const QString &path);
// Replaces the content of the file at path with bytes, keeping what the file is (mode, owner,
// links), or leaves it as it was.
bool commit(const QString &path, const QByteArray &bytes);
// Whether the root marks a protected document (a template).
bool isReadOnly(const QDomElement &root);
// Writes root to path with the save attributes set (not protected, generated in generateIn),
// all or nothing: on any failure the file at path is left as it was, and so are root's attributes.
// droppedCharacters counts what XML could not hold.
bool write(const QString &path, QDomElement root, const QString &generateIn,
           const QAAttributeOrder &attributeOrder, int *droppedCharacters);

} // namespace ZynDocumentFile

#pragma once

#include "sdk/qaxmleditor.h"

#include <QString>

// One document read and parsed on a worker thread while the window that will open it is being
// built. The reading counts only for the same file, unchanged since (device, inode, size, change
// times): anything else is read again, so that what opens is what is on disk.
namespace QAXmlReadAhead {

void start(const QString &path);

// Hands over the reading of path, waiting for it to end, when it is still the file's; false when
// there is none to take (nothing started, another path, the file changed, already taken).
bool take(const QString &path, QDomDocument &document, QDomElement &root, QString *errorText,
          QAAttributeOrder *attributeOrder);

// Forgets a reading nobody took, once it has ended.
void drop();

} // namespace QAXmlReadAhead

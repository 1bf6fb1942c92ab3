#pragma once

#include <QString>

class QAFileUtil
{
public:
    // The name with blanks turned into underscores and the characters a document name may not
    // hold removed.
    static QString generateFilename(const QString &name);
    static QString forbiddenCharacters();
};

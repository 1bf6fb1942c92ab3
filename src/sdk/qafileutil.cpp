#include "sdk/qafileutil.h"

QString QAFileUtil::forbiddenCharacters()
{
    return QStringLiteral("\\/+*?~|,:\"'`");
}

QString QAFileUtil::generateFilename(const QString &name)
{
    const QString forbidden = forbiddenCharacters();
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (c.isSpace())
            result += QLatin1Char('_');
        else if (!forbidden.contains(c))
            result += c;
    }
    return result;
}

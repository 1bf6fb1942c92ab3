#include "sdk/xmlreadererror.h"

#include <QXmlStreamReader>

QString xmlErrorAt(const QXmlStreamReader &reader, const QString &message)
{
    return QStringLiteral("%1:%2: %3")
        .arg(reader.lineNumber())
        .arg(reader.columnNumber())
        .arg(message);
}

bool xmlReaderSucceeded(const QXmlStreamReader &reader, QString *errorText)
{
    if (!reader.hasError())
        return true;
    if (errorText)
        *errorText = xmlErrorAt(reader, reader.errorString());
    return false;
}

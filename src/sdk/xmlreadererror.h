#pragma once

#include <QString>

class QXmlStreamReader;

// How the editor reports an XML error: "line:column: message", at the reader's position.
QString xmlErrorAt(const QXmlStreamReader &reader, const QString &message);
// False after the reader met an error, with that error in errorText when given; true otherwise.
bool xmlReaderSucceeded(const QXmlStreamReader &reader, QString *errorText);

#include "sdk/qaxmleditor.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

QAXmlEditor::QAXmlEditor(QWidget *parent, const QString &name)
    : QWidget(parent)
{
    setObjectName(name);
}

QDomElement QAXmlEditor::getRootElement(const QString &path)
{
    m_lastError.clear();
    m_rootElement = readRootElement(path, m_document, &m_lastError, &m_attributeOrder);
    return m_rootElement;
}

// A linear pass that refuses what the DOM would choke on, before the DOM sees it.
static bool prescan(const QByteArray &data, QString *errorText, QAAttributeOrder *order)
{
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > QAXmlEditor::MaximumNesting) {
                if (errorText)
                    *errorText = QStringLiteral("%1:%2: elements nested deeper than %3 levels")
                                     .arg(reader.lineNumber())
                                     .arg(reader.columnNumber())
                                     .arg(QAXmlEditor::MaximumNesting);
                return false;
            }
            if (order) {
                QStringList names;
                const QXmlStreamAttributes attributes = reader.attributes();
                names.reserve(attributes.size());
                for (const QXmlStreamAttribute &attribute : attributes)
                    names.append(attribute.qualifiedName().toString());
                order->insert(qMakePair(int(reader.lineNumber()), int(reader.columnNumber())),
                              names);
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        if (errorText)
            *errorText = QStringLiteral("%1:%2: %3")
                             .arg(reader.lineNumber())
                             .arg(reader.columnNumber())
                             .arg(reader.errorString());
        return false;
    }
    return true;
}

QDomElement QAXmlEditor::readRootElement(const QString &path, QDomDocument &document,
                                         QString *errorText, QAAttributeOrder *attributeOrder)
{
    document = QDomDocument();
    if (attributeOrder)
        attributeOrder->clear();
    const QFileInfo info(path);
    // Only regular files: a FIFO or a device would block the read.
    if (!info.isFile()) {
        if (errorText)
            *errorText = path + QStringLiteral(": not a regular file");
        return QDomElement();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = path + QStringLiteral(": ") + file.errorString();
        return QDomElement();
    }
    const QByteArray data = file.readAll();
    QString scanError;
    if (!prescan(data, &scanError, attributeOrder)) {
        if (attributeOrder)
            attributeOrder->clear();
        if (errorText)
            *errorText = path + QLatin1Char(':') + scanError;
        return QDomElement();
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, false, &message, &line, &column)) {
        if (errorText)
            *errorText
                = QStringLiteral("%1:%2:%3: %4").arg(path).arg(line).arg(column).arg(message);
        document = QDomDocument();
        if (attributeOrder)
            attributeOrder->clear();
        return QDomElement();
    }
    return document.documentElement();
}

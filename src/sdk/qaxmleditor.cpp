#include "sdk/qaxmleditor.h"

#include "sdk/qaattributeorderrecorder.h"
#include "sdk/qaxmlblanktext.h"
#include "sdk/qaxmlentitycheck.h"
#include "sdk/qaxmlquickprescan.h"
#include "sdk/qaxmlreadahead.h"
#include "sdk/xmlreadererror.h"

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

QDomElement QAXmlEditor::adoptDocument(const QDomDocument &document,
                                       QAAttributeOrder attributeOrder)
{
    m_lastError.clear();
    m_document = document;
    m_attributeOrder = std::move(attributeOrder);
    m_rootElement = m_document.documentElement();
    return m_rootElement;
}

// The reader's pass: exact positions for any encoding, and the error messages.
static bool readerPrescan(const QByteArray &data, QString *errorText,
                          QAAttributeOrderRecorder &recorder, QAXmlBlankText &blankText)
{
    QXmlStreamReader reader(data);
    // As the DOM reads it: namespace prefixes are names like any other, and declarations are
    // attributes whose place is kept.
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        blankText.readToken(reader);
        switch (reader.tokenType()) {
        case QXmlStreamReader::StartElement:
            if (++depth > ZynXmlLimits::MaximumNesting) {
                if (errorText)
                    *errorText = xmlErrorAt(reader,
                                            QStringLiteral("elements nested deeper than %1 levels")
                                                .arg(ZynXmlLimits::MaximumNesting));
                return false;
            }
            if (recorder.wanted())
                recorder.record(int(reader.lineNumber()), int(reader.columnNumber()),
                                reader.attributes());
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return xmlReaderSucceeded(reader, errorText);
}

// Refuses what the DOM would choke on, before the DOM sees it, and notes attribute orders and the
// blank text the DOM would drop.
static bool prescan(const QByteArray &data, QString *errorText, QAAttributeOrder *order,
                    QAXmlBlankText &blankText)
{
    if (!QAXmlEntityCheck::check(data, errorText))
        return false;
    {
        QAAttributeOrderRecorder recorder(order);
        // The quick pass leaves well-formedness to the parse that follows.
        if (QAXmlQuickPrescan(data, recorder).run() == QAXmlQuickPrescan::Passed)
            return true;
    }
    if (order)
        order->clear();
    QAAttributeOrderRecorder recorder(order);
    return readerPrescan(data, errorText, recorder, blankText);
}

QDomElement QAXmlEditor::readRootElement(const QString &path, QDomDocument &document,
                                         QString *errorText, QAAttributeOrder *attributeOrder)
{
    QDomElement root;
    if (QAXmlReadAhead::take(path, document, root, errorText, attributeOrder))
        return root;
    return readRootElementFromDisk(path, document, errorText, attributeOrder);
}

QDomElement QAXmlEditor::readRootElementFromDisk(const QString &path, QDomDocument &document,
                                                 QString *errorText,
                                                 QAAttributeOrder *attributeOrder)
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
    QAXmlBlankText blankText;
    if (!prescan(data, &scanError, attributeOrder, blankText)) {
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
    blankText.restore(document);
    return document.documentElement();
}

#include "document/qazynwriter.h"

#include "sdk/xmlreadererror.h"

#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

QAZynWriter::QAZynWriter(const QAAttributeOrder *attributeOrder)
    : m_attributeOrder(attributeOrder)
{ }

QByteArray QAZynWriter::write(const QDomElement &root)
{
    m_out.clear();
    m_dropped = 0;
    m_out += QStringLiteral("<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n");
    writeElement(root);
    return m_out.toUtf8();
}

static bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Whether target reads back as exactly this processing instruction target.
static bool readsBackAsTarget(const QString &target)
{
    if (target.isEmpty())
        return false;
    QXmlStreamReader reader(QLatin1String("<r><?") + target + QLatin1String(" ?></r>"));
    int targets = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::ProcessingInstruction
            && (++targets > 1 || reader.processingInstructionTarget() != target))
            return false;
    }
    return !reader.hasError() && targets == 1;
}

// The reader lets a processing instruction's target run on into characters no name may hold;
// written back as they are, the file would not load again. Such a target keeps its ASCII name
// characters; a null string when even that is no target.
QString QAZynWriter::cleanTarget(const QString &target)
{
    if (readsBackAsTarget(target))
        return target;
    QString result;
    for (const QChar c : target) {
        const char16_t u = c.unicode();
        const bool letter
            = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':';
        const bool other = (u >= '0' && u <= '9') || u == '-' || u == '.';
        if (letter || (other && !result.isEmpty()))
            result += c;
    }
    if (!readsBackAsTarget(result))
        result.clear();
    m_dropped += target.size() - result.size();
    return result;
}

QString QAZynWriter::clean(const QString &text)
{
    const auto valid = [](const QString &t) {
        for (const QChar c : t) {
            if (c.isSurrogate() || !isXmlChar(c.unicode()))
                return false;
        }
        return true;
    };
    if (valid(text))
        return text;
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else if (c.isSurrogate() || !isXmlChar(c.unicode())) {
            ++m_dropped;
        } else {
            result += c;
        }
    }
    return result;
}

void QAZynWriter::writeEscaped(const QString &raw, bool attribute)
{
    const QString text = clean(raw);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<':
            m_out += QLatin1String("&lt;");
            break;
        case '>':
            m_out += QLatin1String("&gt;");
            break;
        case '&':
            m_out += QLatin1String("&amp;");
            break;
        case '"':
            m_out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '\r':
            m_out += QLatin1String("&#xd;");
            break;
        case '\n':
            m_out += attribute ? QLatin1String("&#xa;") : QLatin1String("\n");
            break;
        case '\t':
            m_out += attribute ? QLatin1String("&#x9;") : QLatin1String("\t");
            break;
        default:
            m_out += c;
        }
    }
}

// The names of an element's attributes, in no particular order. Reading a named node map by index
// walks it from its start each time, so many attributes are read from the element's own start tag
// as the DOM writes it, where every value is quoted with '"' and holds none.
static QStringList attributeNames(const QDomElement &element)
{
    const QDomNamedNodeMap attributes = element.attributes();
    const int count = attributes.count();
    QStringList names;
    names.reserve(count);
    if (count <= 16) {
        for (int i = 0; i < count; ++i)
            names.append(attributes.item(i).nodeName());
        return names;
    }
    QString tag;
    QTextStream stream(&tag);
    element.cloneNode(false).save(stream, 0);
    stream.flush();
    qsizetype at = tag.indexOf(QLatin1Char(' '));
    while (at >= 0 && names.size() < count) {
        const qsizetype equals = tag.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            break;
        names.append(tag.mid(at + 1, equals - at - 1).trimmed());
        const qsizetype close = tag.indexOf(QLatin1Char('"'), equals + 2);
        at = close < 0 ? -1 : tag.indexOf(QLatin1Char(' '), close);
    }
    return names;
}

QStringList QAZynWriter::orderedAttributeNames(const QDomElement &element) const
{
    QStringList present = attributeNames(element);
    std::sort(present.begin(), present.end());
    if (!m_attributeOrder || element.lineNumber() < 0)
        return present;
    const auto it
        = m_attributeOrder->constFind(qMakePair(element.lineNumber(), element.columnNumber()));
    if (it == m_attributeOrder->constEnd())
        return present;
    // The order read first, then what was added since, by name; each name once.
    QStringList ordered;
    ordered.reserve(present.size());
    QSet<QString> placed;
    placed.reserve(present.size());
    for (const QString &name : *it) {
        if (element.hasAttribute(name) && !placed.contains(name)) {
            ordered.append(name);
            placed.insert(name);
        }
    }
    for (const QString &name : std::as_const(present)) {
        if (!placed.contains(name))
            ordered.append(name);
    }
    return ordered;
}

// Text and references the loader kept as written stand in the flow of text: no line break is added
// around them, or a save would change the text they belong to.
static bool isInline(const QDomNode &node)
{
    return node.isText() || node.isEntityReference();
}

void QAZynWriter::writeElement(const QDomElement &element)
{
    m_out += QLatin1Char('<') + element.tagName();
    for (const QString &name : orderedAttributeNames(element)) {
        m_out += QLatin1Char(' ') + name + QLatin1String("=\"");
        writeEscaped(element.attribute(name), true);
        m_out += QLatin1Char('"');
    }
    const QDomNode first = element.firstChild();
    if (first.isNull()) {
        m_out += QLatin1String("/>");
    } else {
        m_out += QLatin1Char('>');
        if (!isInline(first))
            m_out += QLatin1Char('\n');
        for (QDomNode child = first; !child.isNull(); child = child.nextSibling())
            writeNode(child);
        m_out += QLatin1String("</") + element.tagName() + QLatin1Char('>');
    }
    if (!isInline(element.nextSibling()))
        m_out += QLatin1Char('\n');
}

void QAZynWriter::writeNode(const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        writeElement(node.toElement());
        return;
    case QDomNode::CDATASectionNode: {
        QString data = clean(node.toCDATASection().data());
        // A carriage return would be read back as a line feed: only escaped text keeps it.
        if (data.contains(QLatin1Char('\r'))) {
            writeEscaped(data, false);
            break;
        }
        // "]]>" would end the section early: close it and open another between "]]" and ">".
        data.replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"));
        m_out += QLatin1String("<![CDATA[") + data + QLatin1String("]]>");
        break;
    }
    case QDomNode::TextNode:
        writeEscaped(node.toText().data(), false);
        break;
    case QDomNode::CommentNode: {
        QString data = clean(node.toComment().data());
        // "--" may not stand inside a comment.
        while (data.contains(QLatin1String("--")))
            data.replace(QLatin1String("--"), QLatin1String("- -"));
        if (data.endsWith(QLatin1Char('-')))
            data += QLatin1Char(' ');
        m_out += QLatin1String("<!--") + data + QLatin1String("-->");
        break;
    }
    case QDomNode::ProcessingInstructionNode: {
        const QDomProcessingInstruction pi = node.toProcessingInstruction();
        const QString target = cleanTarget(pi.target());
        QString data = clean(pi.data());
        if (target.isEmpty()) {
            m_dropped += data.size();
            return;
        }
        data.replace(QLatin1String("?>"), QLatin1String("? >"));
        m_out += QLatin1String("<?") + target + QLatin1Char(' ') + data + QLatin1String("?>");
        break;
    }
    case QDomNode::EntityReferenceNode:
        m_out += QLatin1Char('&') + node.nodeName() + QLatin1Char(';');
        break;
    default:
        return;
    }
    if (!isInline(node) && !isInline(node.nextSibling()))
        m_out += QLatin1Char('\n');
}

bool QAZynWriter::isWellFormed(const QByteArray &bytes, QString *errorText)
{
    QXmlStreamReader reader(bytes);
    // Namespaces are not the editor's concern: the loader reads prefixes as plain names.
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd())
        reader.readNext();
    return xmlReaderSucceeded(reader, errorText);
}

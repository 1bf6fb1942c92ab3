#include "sdk/qaxmlentitycheck.h"

#include "xmllimits.h"

#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cstring>
#include <string_view>

namespace {

// Entity chains deeper than this are refused rather than followed.
constexpr int MaximumEntityDepth = 64;

bool isPredefined(std::string_view name)
{
    return (!name.empty() && name.front() == '#') || name == "lt" || name == "gt" || name == "amp"
        || name == "apos" || name == "quot";
}

bool isPredefined(QStringView name)
{
    return name.startsWith(QLatin1Char('#')) || name == QLatin1String("lt")
        || name == QLatin1String("gt") || name == QLatin1String("amp")
        || name == QLatin1String("apos") || name == QLatin1String("quot");
}

// The document as bytes in which markup is ASCII: UTF-16 and UTF-32 are decoded.
QByteArray asciiCompatible(const QByteArray &data)
{
    const auto encoding = QStringConverter::encodingForData(data, u'<');
    if (!encoding || *encoding == QStringConverter::Utf8 || *encoding == QStringConverter::Latin1
        || *encoding == QStringConverter::System)
        return data;
    QStringDecoder decoder(*encoding);
    const QString text = decoder.decode(data);
    return text.toUtf8();
}

// p follows a '&': the ';' that ends the reference's name, null when none does. Stops at the
// first character no name holds, so that a run of '&' costs no more than its length.
const char *referenceEnd(const char *p, const char *end)
{
    for (; p < end; ++p) {
        switch (*p) {
        case ';':
            return p;
        case '&':
        case '<':
        case '>':
        case '"':
        case '\'':
        case ' ':
        case '\t':
        case '\r':
        case '\n':
            return nullptr;
        default:
            break;
        }
    }
    return nullptr;
}

// Whether a named reference other than the five predefined ones may stand in data.
bool hasNamedReference(const QByteArray &data)
{
    const char *p = data.constData();
    const char *end = p + data.size();
    while ((p = static_cast<const char *>(std::memchr(p, '&', size_t(end - p))))) {
        ++p;
        const char *semicolon = referenceEnd(p, end);
        if (semicolon && *p != '#'
            && (semicolon - p > 4 || !isPredefined(std::string_view(p, size_t(semicolon - p)))))
            return true;
    }
    return false;
}

} // namespace

bool QAXmlEntityCheck::check(const QByteArray &data, QString *errorText)
{
    const QByteArray bytes = asciiCompatible(data);
    if (!hasNamedReference(bytes))
        return true;
    QAXmlEntityCheck scan(bytes);
    if (!scan.run() && errorText)
        *errorText = scan.m_error;
    return !scan.m_failed;
}

void QAXmlEntityCheck::fail(qsizetype at, const QString &message)
{
    if (m_failed)
        return;
    m_failed = true;
    const qsizetype line = m_data.left(at).count('\n') + 1;
    m_error = QStringLiteral("%1: %2").arg(line).arg(message);
}

// The entities the document declares, as the reader reads its document type declaration.
bool QAXmlEntityCheck::readDeclarations()
{
    QXmlStreamReader reader(m_data);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            break;
        if (token != QXmlStreamReader::DTD)
            continue;
        for (const QXmlStreamEntityDeclaration &declaration : reader.entityDeclarations()) {
            Entity entity;
            entity.value = declaration.value().toString();
            entity.external
                = !declaration.systemId().isEmpty() || !declaration.publicId().isEmpty();
            // The first declaration of a name is the one that counts.
            if (!m_entities.contains(declaration.name().toString()))
                m_entities.insert(declaration.name().toString(), entity);
        }
        break;
    }
    // A malformed prolog is the parser's to report.
    return !reader.hasError();
}

bool QAXmlEntityCheck::startsAt(qsizetype at, const char *text) const
{
    const size_t length = std::strlen(text);
    return m_data.size() - at >= qsizetype(length)
        && std::memcmp(m_data.constData() + at, text, length) == 0;
}

qsizetype QAXmlEntityCheck::skipPast(qsizetype from, const char *needle) const
{
    const qsizetype at = m_data.indexOf(needle, from);
    return at < 0 ? m_data.size() : at + qsizetype(std::strlen(needle));
}

// Where the content starts: after the document type declaration and its internal subset, whose
// references belong to the declarations.
qsizetype QAXmlEntityCheck::bodyStart() const
{
    const qsizetype doctype = m_data.indexOf("<!DOCTYPE");
    if (doctype < 0)
        return 0;
    bool inSubset = false;
    for (qsizetype i = doctype + 9; i < m_data.size(); ++i) {
        const char c = m_data.at(i);
        if (c == '"' || c == '\'') {
            const qsizetype close = m_data.indexOf(c, i + 1);
            i = close < 0 ? m_data.size() : close;
        } else if (inSubset && startsAt(i, "<!--")) {
            i = skipPast(i, "-->") - 1;
        } else if (inSubset && startsAt(i, "<?")) {
            i = skipPast(i, "?>") - 1;
        } else if (c == '[') {
            inSubset = true;
        } else if (c == ']') {
            inSubset = false;
        } else if (c == '>' && !inSubset) {
            return i + 1;
        }
    }
    return m_data.size();
}

// The characters a reference to name adds, fully expanded; above the limit once it is exceeded.
long long QAXmlEntityCheck::expansion(const QString &name, int depth, qsizetype at)
{
    const auto known = m_expansions.constFind(name);
    if (known != m_expansions.constEnd())
        return *known;
    const long long over = ZynXmlLimits::MaximumEntityExpansion + 1;
    if (depth > MaximumEntityDepth) {
        fail(at,
             QStringLiteral("entity '%1' nests entities deeper than %2 levels")
                 .arg(name)
                 .arg(MaximumEntityDepth));
        return over;
    }
    // A reference to itself is the parser's to refuse; counted as too much meanwhile.
    m_expansions.insert(name, over);
    const QString value = m_entities.value(name).value;
    long long length = 0;
    for (qsizetype i = 0; i < value.size() && length < over; ++i) {
        // Names are short: a far ';' ends no reference, and looking far for each '&' would not be
        // linear.
        const qsizetype found = value.at(i) == QLatin1Char('&')
            ? QStringView(value).mid(i + 1, 256).indexOf(QLatin1Char(';'))
            : -1;
        const qsizetype semicolon = found < 0 ? -1 : i + 1 + found;
        if (semicolon < 0) {
            ++length;
            continue;
        }
        const QString inner = value.mid(i + 1, semicolon - i - 1);
        i = semicolon;
        if (isPredefined(inner)) {
            ++length;
        } else if (!m_entities.contains(inner) || m_entities.value(inner).external) {
            fail(at,
                 QStringLiteral("entity '%1' refers to '%2', which is not read").arg(name, inner));
            return over;
        } else {
            length += expansion(inner, depth + 1, at);
        }
    }
    length = std::min(length, over);
    m_expansions.insert(name, length);
    return length;
}

bool QAXmlEntityCheck::refer(const QString &name, bool inAttribute, qsizetype at)
{
    const auto entity = m_entities.constFind(name);
    if (entity == m_entities.constEnd()) {
        // The DOM keeps one in text as written, but leaves an attribute holding one out.
        if (inAttribute)
            fail(at,
                 QStringLiteral("an attribute value refers to the undeclared entity '%1'")
                     .arg(name));
        return !m_failed;
    }
    if (entity->external) {
        fail(at,
             QStringLiteral("the document refers to the external entity '%1', which is not "
                            "read")
                 .arg(name));
        return false;
    }
    m_total += expansion(name, 0, at);
    if (m_total > ZynXmlLimits::MaximumEntityExpansion)
        fail(at,
             QStringLiteral("entity references expand to more than %1 characters")
                 .arg(ZynXmlLimits::MaximumEntityExpansion));
    return !m_failed;
}

// at is the '&'; answers where scanning goes on.
qsizetype QAXmlEntityCheck::reference(qsizetype at, bool inAttribute)
{
    const char *begin = m_data.constData() + at + 1;
    const char *semicolon = referenceEnd(begin, m_data.constData() + m_data.size());
    if (!semicolon)
        return at + 1;
    const QString name = QString::fromUtf8(begin, semicolon - begin);
    if (!name.isEmpty() && !isPredefined(name))
        refer(name, inAttribute, at);
    return semicolon - m_data.constData() + 1;
}

bool QAXmlEntityCheck::run()
{
    if (!readDeclarations())
        return true;
    const qsizetype size = m_data.size();
    for (qsizetype i = bodyStart(); i < size && !m_failed;) {
        const char c = m_data.at(i);
        if (c == '&') {
            i = reference(i, false);
        } else if (c != '<') {
            ++i;
        } else if (startsAt(i, "<!--")) {
            i = skipPast(i, "-->");
        } else if (startsAt(i, "<![CDATA[")) {
            i = skipPast(i, "]]>");
        } else if (startsAt(i, "<?")) {
            i = skipPast(i, "?>");
        } else {
            // A tag: references stand only inside its quoted values.
            char quote = 0;
            for (++i; i < size && !m_failed && (quote || m_data.at(i) != '>');) {
                const char t = m_data.at(i);
                if (quote && t == '&')
                    i = reference(i, true);
                else {
                    if (t == quote)
                        quote = 0;
                    else if (!quote && (t == '"' || t == '\''))
                        quote = t;
                    ++i;
                }
            }
            ++i;
        }
    }
    return !m_failed;
}

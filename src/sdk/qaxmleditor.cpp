#include "sdk/qaxmleditor.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

namespace {

// Shares one list among the elements that name the same attributes in the same order (most
// elements of a document do), and keeps no list where the writer's default, names sorted, is
// already the order read: a large document keeps little besides its DOM.
class AttributeOrderRecorder
{
public:
    explicit AttributeOrderRecorder(QAAttributeOrder *order)
        : m_order(order)
    { }

    bool wanted() const { return m_order != nullptr; }

    // names: the raw names of one start tag, in the order written.
    void record(int line, int column, const std::vector<std::string_view> &names)
    {
        if (!m_order || names.size() < 2 || isSortedAscii(names))
            return;
        std::string key;
        for (const std::string_view name : names) {
            key.append(name);
            key.push_back('\0');
        }
        auto it = m_shared.find(key);
        if (it == m_shared.end()) {
            QStringList list;
            list.reserve(qsizetype(names.size()));
            for (const std::string_view name : names)
                list.append(QString::fromUtf8(name.data(), qsizetype(name.size())));
            it = m_shared.emplace(std::move(key), list).first;
        }
        m_order->insert(qMakePair(line, column), it->second);
    }

    void record(int line, int column, const QXmlStreamAttributes &attributes)
    {
        std::vector<QByteArray> storage;
        storage.reserve(size_t(attributes.size()));
        for (const QXmlStreamAttribute &attribute : attributes)
            storage.push_back(attribute.qualifiedName().toUtf8());
        std::vector<std::string_view> names;
        for (const QByteArray &name : storage)
            names.emplace_back(name.constData(), size_t(name.size()));
        record(line, column, names);
    }

private:
    // Then the writer's order (QString comparison) is the byte order, and nothing need be kept.
    static bool isSortedAscii(const std::vector<std::string_view> &names)
    {
        for (size_t i = 0; i < names.size(); ++i) {
            for (const char c : names[i]) {
                if (static_cast<unsigned char>(c) >= 0x80)
                    return false;
            }
            if (i > 0 && !(names[i - 1] < names[i]))
                return false;
        }
        return true;
    }

    QAAttributeOrder *m_order;
    std::unordered_map<std::string, QStringList> m_shared;
};

// The nesting check and the attribute-order capture in one quick pass over UTF-8 bytes: no XML
// parser, only a tokenizer of the markup, about ten times faster than a stream reader. Positions
// are those QXmlStreamReader gives a start tag (after its '>', lines broken by LF, CR or CRLF,
// columns in UTF-16 units), which the DOM keeps. What it does not expect (another encoding, an
// internal DTD subset whose entities may hold markup, a malformed tag) makes it give up, and the
// reader's pass decides.
class QuickPrescan
{
public:
    enum Result { Passed, TooDeep, GaveUp };

    QuickPrescan(const QByteArray &data, AttributeOrderRecorder &recorder)
        : m_begin(data.constData())
        , m_end(data.constData() + data.size())
        , m_recorder(recorder)
    { }

    Result run();

private:
    const char *find(const char *from, std::string_view needle) const
    {
        const std::string_view rest(from, size_t(m_end - from));
        const size_t at = rest.find(needle);
        return at == std::string_view::npos ? nullptr : from + at + needle.size();
    }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    bool acceptsEncoding();
    const char *skipDoctype(const char *p) const;
    const char *startTag(const char *p, bool *empty);
    void countLinesUpTo(const char *position);
    int columnAt(const char *position);

    const char *m_begin;
    const char *m_end;
    AttributeOrderRecorder &m_recorder;
    bool m_hasCarriageReturn = false;
    int m_line = 1;
    const char *m_lineStart = nullptr;
    const char *m_counted = nullptr;
    const char *m_columnPosition = nullptr;
    int m_column = 0;
    std::vector<std::string_view> m_names;
};

bool QuickPrescan::acceptsEncoding()
{
    if (m_end - m_begin >= 3 && std::string_view(m_begin, 3) == "\xef\xbb\xbf")
        m_begin += 3; // the reader does not count a UTF-8 byte-order mark
    // UTF-16 and the like hold NUL bytes among the first ones; anything but markup after leading
    // blanks is no document.
    const char *first = m_begin;
    while (first < m_end && isSpace(*first))
        ++first;
    if (first == m_end || *first != '<'
        || std::memchr(m_begin, '\0', size_t(std::min<ptrdiff_t>(m_end - m_begin, 4))))
        return false;
    if (std::string_view(m_begin, size_t(m_end - m_begin)).substr(0, 5) != "<?xml")
        return true;
    const char *close = find(m_begin, "?>");
    if (!close)
        return false;
    const std::string_view declaration(m_begin, size_t(close - m_begin));
    const size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return true;
    std::string encoding;
    for (char c : declaration.substr(at + 8)) {
        if (c == '?' || (!encoding.empty() && (c == '"' || c == '\'')))
            break;
        if (c != '=' && c != '"' && c != '\'' && !isSpace(c))
            encoding.push_back(char(std::tolower(static_cast<unsigned char>(c))));
    }
    return encoding == "utf-8" || encoding == "utf8";
}

const char *QuickPrescan::skipDoctype(const char *p) const
{
    char quote = 0;
    for (; p < m_end; ++p) {
        if (quote) {
            if (*p == quote)
                quote = 0;
        } else if (*p == '"' || *p == '\'') {
            quote = *p;
        } else if (*p == '[') {
            return nullptr;
        } else if (*p == '>') {
            return p + 1;
        }
    }
    return nullptr;
}

// p follows the '<'; answers the position after the tag, null when it is not a plain start tag.
const char *QuickPrescan::startTag(const char *p, bool *empty)
{
    m_names.clear();
    while (p < m_end && !isSpace(*p) && *p != '/' && *p != '>')
        ++p;
    for (;;) {
        while (p < m_end && isSpace(*p))
            ++p;
        if (p >= m_end)
            return nullptr;
        if (*p == '>') {
            *empty = false;
            return p + 1;
        }
        if (*p == '/') {
            if (p + 1 >= m_end || p[1] != '>')
                return nullptr;
            *empty = true;
            return p + 2;
        }
        const char *name = p;
        while (p < m_end && !isSpace(*p) && *p != '=' && *p != '>' && *p != '/')
            ++p;
        if (p == name)
            return nullptr;
        m_names.emplace_back(name, size_t(p - name));
        while (p < m_end && isSpace(*p))
            ++p;
        if (p >= m_end || *p != '=')
            return nullptr;
        ++p;
        while (p < m_end && isSpace(*p))
            ++p;
        if (p >= m_end || (*p != '"' && *p != '\''))
            return nullptr;
        const char *close
            = static_cast<const char *>(std::memchr(p + 1, *p, size_t(m_end - p - 1)));
        if (!close)
            return nullptr;
        p = close + 1;
    }
}

void QuickPrescan::countLinesUpTo(const char *position)
{
    const char *p = m_counted;
    if (!m_hasCarriageReturn) {
        while (const char *feed
               = static_cast<const char *>(std::memchr(p, '\n', size_t(position - p)))) {
            ++m_line;
            p = m_lineStart = feed + 1;
        }
    } else {
        for (; p < position; ++p) {
            if (*p == '\n' || *p == '\r') {
                if (*p == '\r' && p + 1 < m_end && p[1] == '\n')
                    ++p;
                ++m_line;
                m_lineStart = p + 1;
            }
        }
    }
    m_counted = position;
}

int QuickPrescan::columnAt(const char *position)
{
    countLinesUpTo(position);
    if (m_columnPosition < m_lineStart) {
        m_columnPosition = m_lineStart;
        m_column = 0;
    }
    for (const char *p = m_columnPosition; p < position; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        // UTF-16 units: one per character, two for those beyond the basic plane.
        if ((byte & 0xC0) != 0x80)
            m_column += byte >= 0xF0 ? 2 : 1;
    }
    m_columnPosition = position;
    return m_column;
}

QuickPrescan::Result QuickPrescan::run()
{
    if (!acceptsEncoding())
        return GaveUp;
    m_hasCarriageReturn = std::memchr(m_begin, '\r', size_t(m_end - m_begin)) != nullptr;
    m_lineStart = m_counted = m_columnPosition = m_begin;
    int depth = 0;
    const char *p = m_begin;
    while (const char *open = static_cast<const char *>(std::memchr(p, '<', size_t(m_end - p)))) {
        p = open + 1;
        if (p >= m_end)
            return GaveUp;
        const std::string_view rest(p, size_t(std::min<ptrdiff_t>(m_end - p, 9)));
        if (*p == '/') {
            --depth;
            p = static_cast<const char *>(std::memchr(p, '>', size_t(m_end - p)));
            if (!p)
                return GaveUp;
            ++p;
        } else if (*p == '?') {
            p = find(p, "?>");
        } else if (rest.substr(0, 3) == "!--") {
            p = find(p + 3, "-->");
        } else if (rest.substr(0, 8) == "![CDATA[") {
            p = find(p + 8, "]]>");
        } else if (rest.substr(0, 8) == "!DOCTYPE") {
            p = skipDoctype(p + 8);
        } else if (*p == '!') {
            return GaveUp;
        } else {
            if (++depth > QAXmlEditor::MaximumNesting)
                return TooDeep;
            bool empty = false;
            p = startTag(p, &empty);
            if (!p)
                return GaveUp;
            if (m_recorder.wanted() && m_names.size() >= 2) {
                // columnAt() moves m_line on: it has to run before the line is read.
                const int column = columnAt(p);
                m_recorder.record(m_line, column, m_names);
            }
            if (empty)
                --depth;
            continue;
        }
        if (!p)
            return GaveUp;
    }
    return Passed;
}

} // namespace

// The reader's pass: exact positions for any encoding, and the error messages.
static bool readerPrescan(const QByteArray &data, QString *errorText,
                          AttributeOrderRecorder &recorder)
{
    QXmlStreamReader reader(data);
    // As the DOM reads it: namespace prefixes are names like any other, and declarations are
    // attributes whose place is kept.
    reader.setNamespaceProcessing(false);
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

// Refuses what the DOM would choke on, before the DOM sees it, and notes attribute orders.
static bool prescan(const QByteArray &data, QString *errorText, QAAttributeOrder *order)
{
    {
        AttributeOrderRecorder recorder(order);
        // The quick pass leaves well-formedness to the parse that follows.
        if (QuickPrescan(data, recorder).run() == QuickPrescan::Passed)
            return true;
    }
    if (order)
        order->clear();
    AttributeOrderRecorder recorder(order);
    return readerPrescan(data, errorText, recorder);
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

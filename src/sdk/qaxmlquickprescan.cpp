#include "sdk/qaxmlquickprescan.h"

#include "sdk/qaattributeorderrecorder.h"
#include "xmllimits.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

bool QAXmlQuickPrescan::acceptsEncoding()
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

const char *QAXmlQuickPrescan::skipDoctype(const char *p) const
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
const char *QAXmlQuickPrescan::startTag(const char *p, bool *empty)
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

void QAXmlQuickPrescan::countLinesUpTo(const char *position)
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

int QAXmlQuickPrescan::columnAt(const char *position)
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

// Blank text, character references included, inside an element that turns out to have no element
// child is kept, unlike the DOM's default: the reader's pass records it. A named reference other
// than the five predefined ones splits the text around it, into pieces that may be blank.
void QAXmlQuickPrescan::noteText(const char *from, const char *to)
{
    if (m_open.empty() || from == to)
        return;
    Frame &top = m_open.back();
    if (top.hasElementChild || top.hasBlankText)
        return;
    bool blank = true;
    for (const char *q = from; q < to; ++q) {
        if (*q == '&') {
            const char *name = q + 1;
            q = static_cast<const char *>(std::memchr(name, ';', size_t(to - name)));
            if (!q)
                return;
            const std::string_view reference(name, size_t(q - name));
            if ((reference.empty() || reference.front() != '#') && reference != "lt"
                && reference != "gt" && reference != "amp" && reference != "apos"
                && reference != "quot") {
                top.hasBlankText = true;
                return;
            }
        } else if (!isSpace(*q)) {
            blank = false;
            // Only a reference further on still matters.
            const char *next = static_cast<const char *>(std::memchr(q, '&', size_t(to - q)));
            if (!next)
                break;
            q = next - 1;
        }
    }
    if (blank)
        top.hasBlankText = true;
}

void QAXmlQuickPrescan::openElement(bool empty)
{
    if (!m_open.empty())
        m_open.back().hasElementChild = true;
    if (!empty)
        m_open.push_back(Frame());
}

// False when the pass has to give up: an end tag without a start, or blank text to keep.
bool QAXmlQuickPrescan::closeElement()
{
    if (m_open.empty())
        return false;
    const Frame closed = m_open.back();
    m_open.pop_back();
    return closed.hasElementChild || !closed.hasBlankText;
}

QAXmlQuickPrescan::Result QAXmlQuickPrescan::run()
{
    if (!acceptsEncoding())
        return GaveUp;
    m_hasCarriageReturn = std::memchr(m_begin, '\r', size_t(m_end - m_begin)) != nullptr;
    m_lineStart = m_counted = m_columnPosition = m_begin;
    const char *p = m_begin;
    while (const char *open = static_cast<const char *>(std::memchr(p, '<', size_t(m_end - p)))) {
        noteText(p, open);
        p = open + 1;
        if (p >= m_end)
            return GaveUp;
        const std::string_view rest(p, size_t(std::min<ptrdiff_t>(m_end - p, 9)));
        if (*p == '/') {
            if (!closeElement())
                return GaveUp;
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
            if (m_open.size() >= size_t(ZynXmlLimits::MaximumNesting))
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
            openElement(empty);
            continue;
        }
        if (!p)
            return GaveUp;
    }
    return Passed;
}

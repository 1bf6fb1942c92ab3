#pragma once

#include <QByteArray>

#include <string_view>
#include <vector>

class QAAttributeOrderRecorder;

// The nesting check and the attribute-order capture in one quick pass over UTF-8 bytes: no XML
// parser, only a tokenizer of the markup, about ten times faster than a stream reader. Positions
// are those QXmlStreamReader gives a start tag (after its '>', lines broken by LF, CR or CRLF,
// columns in UTF-16 units), which the DOM keeps. What it does not expect (another encoding, an
// internal DTD subset whose entities may hold markup, a malformed tag, blank text that the DOM
// would drop from an element without element children) makes it give up, and the reader's pass
// decides.
class QAXmlQuickPrescan
{
public:
    enum Result { Passed, TooDeep, GaveUp };

    QAXmlQuickPrescan(const QByteArray &data, QAAttributeOrderRecorder &recorder)
        : m_begin(data.constData())
        , m_end(data.constData() + data.size())
        , m_recorder(recorder)
    { }

    Result run();

private:
    // What the pass knows of an open element.
    struct Frame
    {
        bool hasElementChild = false;
        bool hasBlankText = false;
    };

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
    void noteText(const char *from, const char *to);
    void openElement(bool empty);
    bool closeElement();
    void countLinesUpTo(const char *position);
    int columnAt(const char *position);

    const char *m_begin;
    const char *m_end;
    QAAttributeOrderRecorder &m_recorder;
    bool m_hasCarriageReturn = false;
    int m_line = 1;
    const char *m_lineStart = nullptr;
    const char *m_counted = nullptr;
    const char *m_columnPosition = nullptr;
    int m_column = 0;
    std::vector<std::string_view> m_names;
    std::vector<Frame> m_open;
};

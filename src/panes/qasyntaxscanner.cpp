#include "panes/qasyntaxscanner.h"

#include "panes/qasyntaxrules.h"

namespace {

constexpr int ModeMask = 0xff;
constexpr int QuoteShift = 8;
constexpr int PreprocessorFlag = 1 << 24;

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

int identifierEnd(const QString &text, int i)
{
    while (i < text.size() && isIdentifierPart(text.at(i)))
        ++i;
    return i;
}

int numberEnd(const QString &text, int i)
{
    while (i < text.size() && (isIdentifierPart(text.at(i)) || text.at(i) == u'.'))
        ++i;
    return i;
}

bool firstCharIsHash(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return c == u'#';
    }
    return false;
}

} // namespace

QASyntaxScanner::QASyntaxScanner(const QASyntaxRules &rules)
    : m_rules(rules)
{ }

int QASyntaxScanner::afterLineBreak(int state) const
{
    if (state < 0)
        return 0;
    const int mode = state & ModeMask;
    if (mode == LineComment || (mode == String && !m_rules.multiLineStrings))
        return 0;
    return state & ~PreprocessorFlag;
}

QVector<QASyntaxSpan> QASyntaxScanner::scan(const QString &text, int &state, bool lineStart) const
{
    QVector<QASyntaxSpan> spans;
    if (state < 0)
        state = 0;
    if (m_rules.language == QACodeLanguage::Plain)
        return spans;
    if (lineStart && m_rules.podBlocks && scanPod(text, state, spans))
        return spans;

    int mode = state & ModeMask;
    QChar quote(char16_t((state >> QuoteShift) & 0xffff));
    bool preprocessor = (state & PreprocessorFlag) != 0;
    if (lineStart && mode == Code && m_rules.preprocessorLines && firstCharIsHash(text))
        preprocessor = true;
    if (preprocessor)
        spans.append({ 0, int(text.size()), QASyntaxKind::Preprocessor });

    for (int i = 0; i < text.size();)
        i = scanCode(text, i, mode, quote, preprocessor, spans);

    state = mode | (mode == String ? int(quote.unicode()) << QuoteShift : 0)
        | (preprocessor ? PreprocessorFlag : 0);
    return spans;
}

// Perl documentation: from a line "=word" to a line "=cut", both included.
bool QASyntaxScanner::scanPod(const QString &text, int &state, QVector<QASyntaxSpan> &spans) const
{
    const int mode = state & ModeMask;
    const bool opens = text.size() > 1 && text.at(0) == u'=' && text.at(1).isLetter();
    if (mode != Pod && !(mode == Code && opens))
        return false;
    spans.append({ 0, int(text.size()), QASyntaxKind::Comment });
    state = text.startsWith(QLatin1String("=cut")) ? int(Code) : int(Pod);
    return true;
}

int QASyntaxScanner::scanCode(const QString &text, int i, int &mode, QChar &quote,
                              bool preprocessor, QVector<QASyntaxSpan> &spans) const
{
    const int size = text.size();
    if (mode == LineComment || mode == Pod) {
        spans.append({ i, size - i, QASyntaxKind::Comment });
        return size;
    }
    if (mode == BlockComment)
        return closeBlockComment(text, i, i, mode, spans);
    if (mode == String) {
        const int end = stringEnd(text, i, quote);
        spans.append({ i, (end < 0 ? size : end + 1) - i, QASyntaxKind::String });
        if (end < 0)
            return size;
        mode = Code;
        return end + 1;
    }

    const QChar c = text.at(i);
    if (!m_rules.blockCommentStart.isEmpty()
        && QStringView(text).mid(i).startsWith(m_rules.blockCommentStart)) {
        mode = BlockComment;
        return closeBlockComment(text, i, i + int(m_rules.blockCommentStart.size()), mode, spans);
    }
    if (startsLineComment(text, i)) {
        mode = LineComment;
        return i;
    }
    if (m_rules.stringQuotes.contains(c)) {
        if (m_rules.apostropheOnlyInCharLiterals && c == u'\'') {
            const bool literal = i + 2 < size && text.at(i + 2) == u'\'';
            if (literal)
                spans.append({ i, 3, QASyntaxKind::String });
            return literal ? i + 3 : i + 1;
        }
        mode = String;
        quote = c;
        const int end = stringEnd(text, i + 1, quote);
        spans.append({ i, (end < 0 ? size : end + 1) - i, QASyntaxKind::String });
        if (end < 0)
            return size;
        mode = Code;
        return end + 1;
    }
    if (isIdentifierStart(c)) {
        const int end = identifierEnd(text, i);
        const bool sigil = i > 0 && m_rules.sigils.contains(text.at(i - 1));
        if (!preprocessor && !sigil && isKeyword(text.mid(i, end - i)))
            spans.append({ i, end - i, QASyntaxKind::Keyword });
        return end;
    }
    if (c.isDigit()) {
        const int end = numberEnd(text, i);
        if (!preprocessor)
            spans.append({ i, end - i, QASyntaxKind::Number });
        return end;
    }
    return i + 1;
}

// A comment from spanStart to its end marker, or to the end of the text when it goes on.
int QASyntaxScanner::closeBlockComment(const QString &text, int spanStart, int searchFrom,
                                       int &mode, QVector<QASyntaxSpan> &spans) const
{
    const int end = text.indexOf(m_rules.blockCommentEnd, searchFrom);
    const int stop = end < 0 ? int(text.size()) : end + int(m_rules.blockCommentEnd.size());
    spans.append({ spanStart, stop - spanStart, QASyntaxKind::Comment });
    if (end >= 0)
        mode = Code;
    return stop;
}

// The index of the quote that closes a string, -1 when the string goes on past the text.
int QASyntaxScanner::stringEnd(const QString &text, int from, QChar quote) const
{
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && m_rules.backslashEscapes) {
            ++i;
        } else if (c == quote) {
            const bool doubled
                = !m_rules.backslashEscapes && i + 1 < text.size() && text.at(i + 1) == quote;
            if (!doubled)
                return i;
            ++i;
        }
    }
    return -1;
}

bool QASyntaxScanner::startsLineComment(const QString &text, int i) const
{
    if (i > 0 && m_rules.sigils.contains(text.at(i - 1)))
        return false;
    const QStringView rest = QStringView(text).mid(i);
    for (const QString &marker : m_rules.lineComments) {
        if (rest.startsWith(marker))
            return true;
    }
    return false;
}

bool QASyntaxScanner::isKeyword(const QString &word) const
{
    return m_rules.keywords.contains(m_rules.keywordsIgnoreCase ? word.toLower() : word);
}

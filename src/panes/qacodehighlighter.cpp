#include "panes/qacodehighlighter.h"

#include "panes/qalonglines.h"

#include <QPalette>

QACodeHighlighter::QACodeHighlighter(QACodeLanguage language, QTextDocument *document)
    : QSyntaxHighlighter(document)
    , m_language(language)
    , m_scanner(QASyntaxRules::of(language))
{
    makeFormats(QPalette());
}

void QACodeHighlighter::setPalette(const QPalette &palette)
{
    makeFormats(palette);
    rehighlight();
}

void QACodeHighlighter::makeFormats(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    // Each pair: on a light background, on a dark one.
    const auto pick = [dark](const char *light, const char *onDark) {
        return QColor(QLatin1String(dark ? onDark : light));
    };
    QTextCharFormat keyword;
    keyword.setForeground(pick("#00007f", "#8fb8ff"));
    keyword.setFontWeight(QFont::Bold);
    QTextCharFormat string;
    string.setForeground(pick("#a31515", "#f0a070"));
    QTextCharFormat comment;
    comment.setForeground(pick("#007f00", "#7fcf7f"));
    comment.setFontItalic(true);
    QTextCharFormat number;
    number.setForeground(pick("#7f007f", "#e08fe0"));
    QTextCharFormat preprocessor;
    preprocessor.setForeground(pick("#7f4f00", "#e0c060"));
    m_formats[int(QASyntaxKind::Keyword)] = keyword;
    m_formats[int(QASyntaxKind::String)] = string;
    m_formats[int(QASyntaxKind::Comment)] = comment;
    m_formats[int(QASyntaxKind::Number)] = number;
    m_formats[int(QASyntaxKind::Preprocessor)] = preprocessor;
}

QTextCharFormat QACodeHighlighter::format(QASyntaxKind kind) const
{
    return m_formats[int(kind)];
}

void QACodeHighlighter::highlightBlock(const QString &text)
{
    // A piece of a long line goes on with the state the previous piece left.
    const bool lineStart = !QALongLines::continuesLine(currentBlock());
    int state = previousBlockState();
    if (lineStart)
        state = m_scanner.afterLineBreak(state);
    const QVector<QASyntaxSpan> spans = m_scanner.scan(text, state, lineStart);
    for (const QASyntaxSpan &span : spans)
        setFormat(span.start, span.length, m_formats[int(span.kind)]);
    setCurrentBlockState(state);
}

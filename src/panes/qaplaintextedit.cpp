#include "panes/qaplaintextedit.h"

#include "panes/qabracketmatch.h"
#include "panes/qacodehighlighter.h"
#include "panes/qalinenumberarea.h"
#include "panes/qalonglines.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>

#include <utility>

QAPlainTextEdit::QAPlainTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    // The document keeps the one history of every change, fields none of their own.
    setUndoRedoEnabled(false);
}

QFont QAPlainTextEdit::fixedFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Without a desktop theme the system's fixed font may be the proportional default. (Asking
    // QFontInfo::fixedPitch() is no help: it denies it for some monospaced fonts.)
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(QLatin1Char('i'))
        != metrics.horizontalAdvance(QLatin1Char('W'))) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

void QAPlainTextEdit::setExactText(const QString &text)
{
    m_lastText.clear();
    m_spareText.clear();
    QALongLines::setText(this, text);
    if (m_highlighter && QALongLines::hasPieces(document()))
        m_highlighter->rehighlight();
}

QString QAPlainTextEdit::exactText() const
{
    if (!QALongLines::hasPieces(document())) {
        m_lastText.clear();
        m_spareText.clear();
        return QALongLines::text(document());
    }
    // The text read the time before last has left the document by now (the one read last time
    // is still in it): its memory takes this one.
    QString text = std::exchange(m_spareText, std::move(m_lastText));
    QALongLines::readText(document(), &text);
    m_lastText = text;
    return text;
}

void QAPlainTextEdit::makeCodeField(int lineOffset)
{
    m_lineOffset = lineOffset;
    const QFont fixed = fixedFont();
    setFont(fixed);
    setLineWrapMode(NoWrap);
    setTabStopDistance(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')) * 4);
    if (m_lineNumbers)
        return;
    m_lineNumbers = new QALineNumberArea(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            &QAPlainTextEdit::updateLineNumberWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &QAPlainTextEdit::updateLineNumbers);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &QAPlainTextEdit::markCurrentLine);
    updateLineNumberWidth();
    markCurrentLine();
}

void QAPlainTextEdit::setLanguage(QACodeLanguage language)
{
    if (m_highlighter || language == QACodeLanguage::Plain
        || document()->characterCount() > HighlightLimit)
        return;
    m_highlighter = new QACodeHighlighter(language, document());
    m_highlighter->setPalette(palette());
}

int QAPlainTextEdit::lineCount() const
{
    return QALongLines::lineCount(document());
}

int QAPlainTextEdit::textIndent() const
{
    return frameWidth() + viewportMargins().left() + qRound(document()->documentMargin());
}

void QAPlainTextEdit::alignLabel(QLabel *label)
{
    label->setFont(font());
    label->setIndent(textIndent());
    connect(this, &QAPlainTextEdit::textIndentChanged, label, &QLabel::setIndent);
}

QString QAPlainTextEdit::lineLabel(const QTextBlock &block) const
{
    if (QALongLines::continuesLine(block))
        return QString();
    return QString::number(QALongLines::lineOf(block) + 1 + m_lineOffset);
}

int QAPlainTextEdit::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int last = qMax(1, lineCount() + m_lineOffset); last >= 10; last /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void QAPlainTextEdit::updateLineNumberWidth()
{
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
    reportIndent();
}

void QAPlainTextEdit::reportIndent()
{
    if (textIndent() != m_indent) {
        m_indent = textIndent();
        Q_EMIT textIndentChanged(m_indent);
    }
}

void QAPlainTextEdit::updateLineNumbers(const QRect &rect, int dy)
{
    if (dy)
        m_lineNumbers->scroll(0, dy);
    else
        m_lineNumbers->update(0, rect.y(), m_lineNumbers->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updateLineNumberWidth();
}

void QAPlainTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (!m_lineNumbers)
        return;
    // The frame may have changed since the last look.
    reportIndent();
    const QRect area = contentsRect();
    m_lineNumbers->setGeometry(
        QRect(area.left(), area.top(), lineNumberAreaWidth(), area.height()));
}

void QAPlainTextEdit::paintLineNumbers(QPaintEvent *event)
{
    QPainter painter(m_lineNumbers);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    const int currentLine = QALongLines::lineOf(textCursor().block());
    QTextBlock block = firstVisibleBlock();
    int line = QALongLines::lineOf(block);
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int right = m_lineNumbers->width() - 4;
    for (bool first = true; block.isValid() && top <= event->rect().bottom();
         block = block.next(), first = false) {
        const bool continues = QALongLines::continuesLine(block);
        if (!first && !continues)
            ++line;
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && !continues && top + height >= event->rect().top()) {
            QFont font = this->font();
            font.setBold(line == currentLine);
            painter.setFont(font);
            painter.setPen(palette().color(line == currentLine ? QPalette::WindowText
                                                               : QPalette::PlaceholderText));
            painter.drawText(0, top, right, fontMetrics().height(), Qt::AlignRight,
                             QString::number(line + 1 + m_lineOffset));
        }
        top += height;
    }
}

void QAPlainTextEdit::markCurrentLine()
{
    QList<QTextEdit::ExtraSelection> marks;
    QColor lineColour = palette().color(QPalette::Highlight);
    lineColour.setAlpha(40);
    QTextEdit::ExtraSelection line;
    line.format.setBackground(lineColour);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    marks.append(line);

    const QABracketMatch brackets = QABracketMatch::find(document(), textCursor().position());
    QColor bracketColour = palette().color(QPalette::Highlight);
    bracketColour.setAlpha(brackets.match < 0 ? 60 : 120);
    for (const int at : { brackets.bracket, brackets.match }) {
        if (at < 0)
            continue;
        QTextEdit::ExtraSelection bracket;
        bracket.format.setBackground(bracketColour);
        bracket.format.setFontWeight(QFont::Bold);
        bracket.cursor = QTextCursor(document());
        bracket.cursor.setPosition(at);
        bracket.cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        marks.append(bracket);
    }
    setExtraSelections(marks);
    m_lineNumbers->update();
}

void QAPlainTextEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    if (m_highlighter)
        m_highlighter->setPalette(palette());
    if (m_lineNumbers)
        markCurrentLine();
}

void QAPlainTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (QALongLines::hasPieces(document()) && deleteAcrossPiece(event))
        return;
    QPlainTextEdit::keyPressEvent(event);
}

// Between two pieces of a long line there is no character: Backspace and Delete reach over to the
// character on the other side.
bool QAPlainTextEdit::deleteAcrossPiece(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() || isReadOnly() || event->modifiers() != Qt::NoModifier)
        return false;
    if (event->key() == Qt::Key_Backspace && cursor.atBlockStart()
        && QALongLines::continuesLine(cursor.block()) && cursor.block().previous().length() > 1) {
        cursor.setPosition(cursor.position() - 2);
        cursor.deleteChar();
    } else if (event->key() == Qt::Key_Delete && cursor.atBlockEnd()
               && QALongLines::continuesLine(cursor.block().next())
               && cursor.block().next().length() > 1) {
        cursor.setPosition(cursor.position() + 1);
        cursor.deleteChar();
    } else {
        return false;
    }
    setTextCursor(cursor);
    return true;
}

QMimeData *QAPlainTextEdit::createMimeDataFromSelection() const
{
    if (!QALongLines::hasPieces(document()))
        return QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(QALongLines::text(document(), cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

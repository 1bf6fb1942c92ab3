#include "panes/qalonglines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVector>

#include <algorithm>

namespace {

// Marks a block that continues the line of the block before it. Qt keeps a block's user data
// with the first half when the block is split and with the first block when two are joined,
// which is what a mark on the continuing piece needs.
class Continuation : public QTextBlockUserData
{
};

const char *const PiecesProperty = "qaHasPieces";

// Where a line is cut: never between the two halves of a surrogate pair.
int pieceEnd(const QString &text, int from, int lineEnd)
{
    int end = qMin(from + QALongLines::PieceLength, lineEnd);
    if (end < lineEnd && text.at(end - 1).isHighSurrogate())
        --end;
    return end;
}

// The text with long lines cut, and the numbers of the blocks that continue a line.
QString cutLongLines(const QString &text, QVector<int> *continuing)
{
    QString shown;
    shown.reserve(text.size() + text.size() / QALongLines::PieceLength + 1);
    int block = 0;
    for (int start = 0; start <= text.size();) {
        int lineEnd = text.indexOf(u'\n', start);
        if (lineEnd < 0)
            lineEnd = text.size();
        for (int from = start;;) {
            const int end = pieceEnd(text, from, lineEnd);
            shown.append(QStringView(text).mid(from, end - from));
            from = end;
            if (from >= lineEnd)
                break;
            shown.append(u'\n');
            continuing->append(++block);
        }
        if (lineEnd < text.size())
            shown.append(u'\n');
        ++block;
        start = lineEnd + 1;
    }
    return shown;
}

bool hasLongLine(const QString &text)
{
    int start = 0;
    for (int end = text.indexOf(u'\n'); end >= 0; end = text.indexOf(u'\n', start)) {
        if (end - start > QALongLines::PieceLength)
            return true;
        start = end + 1;
    }
    return text.size() - start > QALongLines::PieceLength;
}

} // namespace

void QALongLines::setText(QPlainTextEdit *edit, const QString &text)
{
    QTextDocument *document = edit->document();
    if (!hasLongLine(text)) {
        document->setProperty(PiecesProperty, false);
        edit->setPlainText(text);
        return;
    }
    QVector<int> continuing;
    const QString shown = cutLongLines(text, &continuing);
    document->setProperty(PiecesProperty, true);
    edit->setPlainText(shown);
    QTextBlock block = document->begin();
    for (const int number : std::as_const(continuing)) {
        while (block.isValid() && block.blockNumber() < number)
            block = block.next();
        if (block.isValid())
            block.setUserData(new Continuation);
    }
}

bool QALongLines::hasPieces(const QTextDocument *document)
{
    return document->property(PiecesProperty).toBool();
}

bool QALongLines::continuesLine(const QTextBlock &block)
{
    return dynamic_cast<Continuation *>(block.userData()) != nullptr;
}

QString QALongLines::text(const QTextDocument *document)
{
    QString text;
    readText(document, &text);
    return text;
}

void QALongLines::readText(const QTextDocument *document, QString *storage)
{
    if (!hasPieces(document)) {
        // toPlainText() would turn non-breaking spaces into plain ones.
        *storage = document->toRawText();
        storage->replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return;
    }
    // The pieces and the breaks between them: never longer than that.
    const qsizetype length = document->characterCount() - 1;
    const qsizetype room = length + length / 8;
    if (!storage->isDetached() || storage->capacity() < length || storage->capacity() > 2 * room) {
        // Room to grow, so that typing finds it again at the next keystrokes.
        *storage = QString();
        storage->reserve(room);
    }
    storage->resize(length);
    QChar *out = storage->data();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.position() > 0 && !continuesLine(block))
            *out++ = u'\n';
        const QString piece = block.text();
        out = std::copy(piece.cbegin(), piece.cend(), out);
    }
    storage->truncate(out - storage->constData());
}

QString QALongLines::text(const QTextDocument *document, int from, int to)
{
    QString text;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && !continuesLine(block))
            text.append(u'\n');
        const int start = qMax(from - block.position(), 0);
        const int end = qMin(to - block.position(), block.length() - 1);
        text.append(QStringView(block.text()).mid(start, end - start));
    }
    return text;
}

int QALongLines::textPosition(const QTextDocument *document, int documentPosition)
{
    if (!hasPieces(document))
        return documentPosition;
    int breaks = 0;
    for (QTextBlock b = document->begin(); b.isValid() && b.position() <= documentPosition;
         b = b.next())
        breaks += continuesLine(b) ? 1 : 0;
    return documentPosition - breaks;
}

int QALongLines::documentPosition(const QTextDocument *document, int textPosition)
{
    if (!hasPieces(document))
        return textPosition;
    int breaks = 0;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        const int next = b.next().isValid() && continuesLine(b.next()) ? 1 : 0;
        // The end of a piece and the start of the next one are the same text offset: the start
        // wins.
        if (textPosition + breaks < b.position() + b.length() - next)
            break;
        breaks += next;
    }
    return textPosition + breaks;
}

int QALongLines::lineCount(const QTextDocument *document)
{
    return lineOf(document->lastBlock()) + 1;
}

int QALongLines::lineOf(const QTextBlock &block)
{
    const QTextDocument *document = block.document();
    if (!document || !hasPieces(document))
        return block.blockNumber();
    int line = -1;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        if (!continuesLine(b))
            ++line;
        if (b == block)
            break;
    }
    return line;
}

QTextBlock QALongLines::firstBlockOfLine(const QTextDocument *document, int line)
{
    if (!hasPieces(document))
        return document->findBlockByNumber(line);
    int current = -1;
    QTextBlock lineStart;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        if (continuesLine(b))
            continue;
        lineStart = b;
        if (++current == line)
            break;
    }
    return lineStart;
}

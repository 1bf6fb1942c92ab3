#pragma once

#include <QString>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

// Text layout costs about the square of a line's length when the line offers no break, and even
// without wrapping it lays out a whole line at once: a line of some megabytes would block the
// window for minutes. So a field shows a very long line in pieces, one text block each; the block
// that continues a line carries a mark, and reading the text joins the pieces again. The text
// itself never changes.
class QALongLines
{
public:
    // Lines longer than this are shown in pieces of this length.
    static constexpr int PieceLength = 4096;

    static void setText(QPlainTextEdit *edit, const QString &text);
    static QString text(const QTextDocument *document);
    // The same, written into storage's memory while nobody else holds it and it fits: a pane
    // reads its field's whole text at every keystroke, and fresh memory for a text of megabytes
    // costs more in page faults than the copy itself.
    static void readText(const QTextDocument *document, QString *storage);
    // The text between two document positions, pieces joined.
    static QString text(const QTextDocument *document, int from, int to);

    // Whether the block goes on with the line of the block before it.
    static bool continuesLine(const QTextBlock &block);
    static bool hasPieces(const QTextDocument *document);

    // Offsets in the text (as text() gives it) and positions in the document, both ways.
    static int textPosition(const QTextDocument *document, int documentPosition);
    static int documentPosition(const QTextDocument *document, int textPosition);

    // Lines as the user counts them, from 0.
    static int lineCount(const QTextDocument *document);
    static int lineOf(const QTextBlock &block);
    static QTextBlock firstBlockOfLine(const QTextDocument *document, int line);
};

#pragma once

#include <QString>
#include <QVector>

struct QASyntaxRules;

enum class QASyntaxKind { Keyword, String, Comment, Number, Preprocessor };

struct QASyntaxSpan
{
    int start;
    int length;
    QASyntaxKind kind;

    bool operator==(const QASyntaxSpan &other) const
    {
        return start == other.start && length == other.length && kind == other.kind;
    }
};

// Splits one line of code into highlighted spans. What is still open at the end of a line (a
// block comment, a string, a documentation block) travels to the next line as an int state, the
// form QSyntaxHighlighter keeps per block. A preprocessor span covers the whole line and comes
// first, so that the comments and strings inside it win.
class QASyntaxScanner
{
public:
    explicit QASyntaxScanner(const QASyntaxRules &rules);

    // state: what the previous piece left open (0 for nothing); updated to what this one leaves.
    // lineStart is false for the rest of a line shown in several pieces.
    QVector<QASyntaxSpan> scan(const QString &text, int &state, bool lineStart = true) const;

    // The state at the start of the next line: a line comment, a preprocessor line and (in most
    // languages) a string end with their line.
    int afterLineBreak(int state) const;

private:
    enum Mode { Code = 0, BlockComment = 1, Pod = 2, LineComment = 3, String = 4 };

    bool scanPod(const QString &text, int &state, QVector<QASyntaxSpan> &spans) const;
    int scanCode(const QString &text, int i, int &mode, QChar &quote, bool preprocessor,
                 QVector<QASyntaxSpan> &spans) const;
    int closeBlockComment(const QString &text, int spanStart, int searchFrom, int &mode,
                          QVector<QASyntaxSpan> &spans) const;
    int stringEnd(const QString &text, int from, QChar quote) const;
    bool startsLineComment(const QString &text, int i) const;
    bool isKeyword(const QString &word) const;

    const QASyntaxRules &m_rules;
};

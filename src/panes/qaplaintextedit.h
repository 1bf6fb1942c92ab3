#pragma once

#include "panes/qasyntaxrules.h"

#include <QPlainTextEdit>

class QACodeHighlighter;
class QALineNumberArea;
class QLabel;
class QTextBlock;

// The plain-text field every pane uses. It shows any line length quickly (see QALongLines) and,
// made a code field, shows code the way engineers read it: fixed-pitch, unwrapped, tab stops of
// four spaces, numbered lines with the current one marked, highlighted syntax and matching
// brackets.
class QAPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    // Texts longer than this are not highlighted: colouring them would block the window.
    static constexpr int HighlightLimit = 4 * 1024 * 1024;

    explicit QAPlainTextEdit(QWidget *parent = nullptr);

    // The system's fixed-pitch font.
    static QFont fixedFont();

    // The text exactly as given and as read back, whatever the length of its lines.
    void setExactText(const QString &text);
    QString exactText() const;

    // lineOffset: lines that precede the fragment in the file it ends up in; the first line is
    // numbered lineOffset + 1.
    void makeCodeField(int lineOffset);
    bool isCodeField() const { return m_lineNumbers != nullptr; }
    int lineOffset() const { return m_lineOffset; }
    // Highlights the text set so far and what follows; call it after setting the text.
    void setLanguage(QACodeLanguage language);
    QACodeHighlighter *highlighter() const { return m_highlighter; }

    // Lines as the user counts them (a long line shown in pieces is one line).
    int lineCount() const;
    // From the widget's left edge to the text: fixed lines placed above or below line up with it.
    int textIndent() const;
    // Shows the label's lines in the field's font, lined up with the field's text.
    void alignLabel(QLabel *label);

    // The number the gutter shows beside a block; empty for the continuing piece of a long line.
    QString lineLabel(const QTextBlock &block) const;
    int lineNumberAreaWidth() const;
    void paintLineNumbers(QPaintEvent *event);

Q_SIGNALS:
    void textIndentChanged(int indent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    bool deleteAcrossPiece(QKeyEvent *event);
    void updateLineNumberWidth();
    void reportIndent();
    void updateLineNumbers(const QRect &rect, int dy);
    void markCurrentLine();

    QALineNumberArea *m_lineNumbers = nullptr;
    QACodeHighlighter *m_highlighter = nullptr;
    int m_lineOffset = 0;
    int m_indent = -1;
    // The texts exactText() gave last and the time before, whose memory the next read reuses
    // once the document lets go of it.
    mutable QString m_lastText;
    mutable QString m_spareText;
};

#pragma once

#include <QPlainTextEdit>

// The code editor of free-text and function panes.
class QAZynTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    // lineOffset: lines that precede the fragment in the file it ends up in.
    explicit QAZynTextEdit(QWidget *parent, int lineOffset, const QString &name = QString());

    int lineOffset() const { return m_lineOffset; }

private:
    int m_lineOffset;
};

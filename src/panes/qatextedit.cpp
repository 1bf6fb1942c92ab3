#include "panes/qatextedit.h"

#include <QTextDocument>

QATextEdit::QATextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    // The document keeps the one history of every change.
    setUndoRedoEnabled(false);
}

void QATextEdit::setFocus()
{
    m_reporting = true;
    Q_EMIT isPressed();
    QPlainTextEdit::setFocus();
    m_reporting = false;
}

void QATextEdit::focusInEvent(QFocusEvent *event)
{
    // setFocus() has reported already.
    if (!m_reporting)
        Q_EMIT isPressed();
    QPlainTextEdit::focusInEvent(event);
}

QString exactPlainText(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

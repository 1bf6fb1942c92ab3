#include "panes/qatextedit.h"

#include "panes/qalonglines.h"

#include <QTextDocument>

QATextEdit::QATextEdit(QWidget *parent)
    : QAPlainTextEdit(parent)
{ }

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
    return QALongLines::text(edit->document());
}

void setExactPlainText(QPlainTextEdit *edit, const QString &text)
{
    if (auto *field = qobject_cast<QAPlainTextEdit *>(edit))
        field->setExactText(text);
    else
        QALongLines::setText(edit, text);
}

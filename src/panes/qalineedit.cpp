#include "panes/qalineedit.h"

QALineEdit::QALineEdit(QWidget *parent)
    : QLineEdit(parent)
{ }

void QALineEdit::setFocus()
{
    m_reporting = true;
    Q_EMIT linePressed();
    QLineEdit::setFocus();
    m_reporting = false;
}

void QALineEdit::focusInEvent(QFocusEvent *event)
{
    // setFocus() has reported already.
    if (!m_reporting)
        Q_EMIT linePressed();
    QLineEdit::focusInEvent(event);
}

#include "panes/qacheckbox.h"

QACheckBox::QACheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{ }

void QACheckBox::setFocus()
{
    m_reporting = true;
    Q_EMIT checkBoxPressed();
    QCheckBox::setFocus();
    m_reporting = false;
}

void QACheckBox::focusInEvent(QFocusEvent *event)
{
    // setFocus() has reported already.
    if (!m_reporting)
        Q_EMIT checkBoxPressed();
    QCheckBox::focusInEvent(event);
}

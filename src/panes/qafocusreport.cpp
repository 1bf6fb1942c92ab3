#include "panes/qafocusreport.h"

#include <QEvent>
#include <QWidget>

QAFocusReport::QAFocusReport(QWidget *field)
    : QObject(field)
    , m_field(field)
{
    field->installEventFilter(this);
}

void QAFocusReport::setFocus()
{
    m_reporting = true;
    Q_EMIT focused();
    m_field->setFocus();
    m_reporting = false;
}

bool QAFocusReport::eventFilter(QObject *watched, QEvent *event)
{
    // setFocus() has reported already.
    if (watched == m_field && event->type() == QEvent::FocusIn && !m_reporting)
        Q_EMIT focused();
    return QObject::eventFilter(watched, event);
}

#include "panes/qalineedit.h"

#include "panes/qafocusreport.h"

QALineEdit::QALineEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_focusReport(new QAFocusReport(this))
{
    connect(m_focusReport, &QAFocusReport::focused, this, &QALineEdit::linePressed);
}

void QALineEdit::setFocus()
{
    m_focusReport->setFocus();
}

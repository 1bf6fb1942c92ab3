#include "panes/qalineedit.h"

#include "panes/qafocusreport.h"

QALineEdit::QALineEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_focusReport(QAFocusReport::attach(this, &QALineEdit::linePressed))
{ }

void QALineEdit::setFocus()
{
    m_focusReport->setFocus();
}

#include "panes/qacheckbox.h"

#include "panes/qafocusreport.h"

QACheckBox::QACheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , m_focusReport(QAFocusReport::attach(this, &QACheckBox::checkBoxPressed))
{ }

void QACheckBox::setFocus()
{
    m_focusReport->setFocus();
}

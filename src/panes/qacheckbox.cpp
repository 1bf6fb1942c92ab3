#include "panes/qacheckbox.h"

#include "panes/qafocusreport.h"

QACheckBox::QACheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , m_focusReport(new QAFocusReport(this))
{
    connect(m_focusReport, &QAFocusReport::focused, this, &QACheckBox::checkBoxPressed);
}

void QACheckBox::setFocus()
{
    m_focusReport->setFocus();
}

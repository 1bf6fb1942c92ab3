#include "sdk/qalogmessagebox.h"

#include "services/qadialogseam.h"

QALogMessageBox::QALogMessageBox(const QString &title, QWidget *parent)
    : m_title(title)
    , m_parent(parent)
{ }

void QALogMessageBox::log(const QString &message)
{
    m_messages.append(message);
}

void QALogMessageBox::done()
{
    if (m_messages.isEmpty())
        return;
    QADialogSeam::instance().message(m_parent, QMessageBox::Warning, m_title,
                                     m_messages.join(QLatin1Char('\n')));
    m_messages.clear();
}

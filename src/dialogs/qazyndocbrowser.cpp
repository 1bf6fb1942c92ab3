#include "dialogs/qazyndocbrowser.h"

QAZynDocBrowser::QAZynDocBrowser(QWidget *parent, const QString &name)
    : QTextBrowser(parent)
{
    setObjectName(name);
}

void QAZynDocBrowser::findInDocStart(const QString &text)
{
    m_findText = text;
}

void QAZynDocBrowser::findInDoc(const QASearchRequest &) { }

void QAZynDocBrowser::findDialogSearch() { }

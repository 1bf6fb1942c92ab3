#include "panes/qazynviewer.h"

QAZynViewer::QAZynViewer(QWidget *parent)
    : QWidget(parent)
{ }

void QAZynViewer::setModified(bool modified)
{
    m_modified = modified;
    if (modified)
        Q_EMIT edited();
}

bool QAZynViewer::revealField(const QAFieldRef &)
{
    return false;
}

#include "panes/qaonglet.h"

#include <QVBoxLayout>

QAOnglet::QAOnglet(const QDomElement &element, QWidget *parent)
    : QWidget(parent)
    , element(element)
    , m_column(new QVBoxLayout(this))
{
    m_column->setContentsMargins(5, 5, 5, 5);
}

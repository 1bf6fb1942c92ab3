#include "panes/framedbox.h"

#include <QBoxLayout>
#include <QFrame>

QFrame *addFramedBox(QWidget *pane, QBoxLayout *paneLayout, QBoxLayout *boxLayout, int stretch)
{
    auto *box = new QFrame(pane);
    box->setFrameStyle(QFrame::Box | QFrame::Raised);
    box->setLineWidth(1);
    box->setMidLineWidth(2);
    box->setLayout(boxLayout);
    boxLayout->setContentsMargins(10, 10, 10, 10);
    paneLayout->addWidget(box, stretch);
    return box;
}

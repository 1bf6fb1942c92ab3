#include "app/qazynwaitdlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QAZynWaitDlg::QAZynWaitDlg(const QString &text, const QString &caption, bool withCancel,
                           QWidget *parent, const QString &name)
    : QDialog(parent)
{
    setObjectName(name);
    setModal(false);
    setWindowTitle(caption);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    m_messageLabel = new QLabel(text, this);
    layout->addWidget(m_messageLabel);

    if (!withCancel)
        return;
    layout->addSpacing(10);
    auto *row = new QHBoxLayout;
    layout->addLayout(row);
    row->addStretch();
    m_cancelButton = new QPushButton(tr("&Cancel"), this);
    row->addWidget(m_cancelButton);
    connect(m_cancelButton, &QPushButton::clicked, this, &QAZynWaitDlg::canceled);
}

#include "services/qazynwaitdlg.h"

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
    m_messageLabel->setObjectName(QStringLiteral("message"));
    layout->addWidget(m_messageLabel);

    if (withCancel) {
        layout->addSpacing(10);
        auto *row = new QHBoxLayout;
        row->addStretch();
        m_cancelButton = new QPushButton(tr("&Cancel"), this);
        m_cancelButton->setObjectName(QStringLiteral("cancel"));
        row->addWidget(m_cancelButton);
        layout->addLayout(row);
        connect(m_cancelButton, &QPushButton::clicked, this, &QAZynWaitDlg::canceled);
    }
}

void QAZynWaitDlg::reject()
{
    if (m_cancelButton)
        emit canceled();
}

#include "dialogs/qazynerrordialog.h"

#include "app/productflavour.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QAZynErrorDialog::QAZynErrorDialog(const QString &message, QWidget *parent, const QString &name)
    : QDialog(parent)
{
    qWarning("ZYN error : %s", message.toLatin1().constData());
    setObjectName(name);
    setModal(true);
    setWindowTitle(tr("Error ") + QString::fromLatin1(productTitle()));

    auto *layout = new QVBoxLayout(this);
    auto *text = new QPlainTextEdit(message, this);
    text->setReadOnly(true);
    text->setMinimumWidth(600);
    layout->addWidget(text);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
}

#include "dialogs/dialogrows.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void addPaddedRow(QBoxLayout *layout, QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addSpacing(10);
    row->addWidget(widget);
    row->addSpacing(10);
    layout->addLayout(row);
    layout->addSpacing(10);
}

QPushButton *addOkRow(QWidget *dialog, QBoxLayout *layout, const QString &text)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *ok = new QPushButton(text, dialog);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    if (auto *box = qobject_cast<QDialog *>(dialog))
        QObject::connect(ok, &QPushButton::clicked, box, &QDialog::accept);
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    layout->addSpacing(5);
    return ok;
}

QVBoxLayout *setUpFormDialog(QDialog *dialog, const QString &name, bool modal, const QString &title)
{
    dialog->setObjectName(name);
    dialog->setModal(modal);
    dialog->setWindowTitle(title);
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(5);
    return layout;
}

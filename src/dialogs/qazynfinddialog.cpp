#include "dialogs/qazynfinddialog.h"

#include "dialogs/dialogrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QAzynFindDialog::QAzynFindDialog(QWidget *parent, const QString &name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , findCombo(new QComboBox(this))
    , nextButton(new QPushButton(tr("Next"), this))
    , caseCheckBox(nullptr)
    , wildcardCheckBox(nullptr)
{
    QVBoxLayout *layout = setUpFormDialog(this, name, modal, tr("Find"));

    auto *findRow = new QHBoxLayout;
    auto *findLabel = new QLabel(tr("Find:"), this);
    findLabel->setFixedSize(findLabel->sizeHint());
    findCombo->setObjectName(QStringLiteral("qvfd-cb-find-txt"));
    findCombo->setEditable(true);
    findCombo->setInsertPolicy(QComboBox::InsertAtTop);
    findCombo->setDuplicatesEnabled(false);
    findCombo->setMinimumWidth(2 * findCombo->width());
    findLabel->setBuddy(findCombo);
    findRow->addWidget(findLabel);
    findRow->addWidget(findCombo);
    layout->addLayout(findRow);

    auto *options = new QGroupBox(tr("Search Options"), this);
    auto *optionsLayout = new QVBoxLayout(options);
    caseCheckBox = new QCheckBox(tr("&Case Sensitive"), options);
    caseCheckBox->setObjectName(QStringLiteral("caseSensitive"));
    wildcardCheckBox = new QCheckBox(tr("&Wildcard"), options);
    wildcardCheckBox->setObjectName(QStringLiteral("wildcard"));
    optionsLayout->addWidget(caseCheckBox);
    optionsLayout->addWidget(wildcardCheckBox);
    layout->addWidget(options);

    auto *buttons = new QHBoxLayout;
    auto *closeButton = new QPushButton(tr("Close"), this);
    nextButton->setObjectName(QStringLiteral("next"));
    closeButton->setObjectName(QStringLiteral("close"));
    // Return in the search field searches at once.
    nextButton->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(nextButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(nextButton, &QPushButton::clicked, this, &QAzynFindDialog::nextSearch);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QASearchRequest QAzynFindDialog::searchRequest() const
{
    QASearchRequest request;
    if (!findCombo)
        return request;
    request.pattern = findCombo->currentText();
    request.caseSensitivity = caseCheckBox->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    request.wildcard = wildcardCheckBox->isChecked();
    return request;
}

void QAzynFindDialog::nextSearch()
{
    Q_EMIT search(searchRequest());
}

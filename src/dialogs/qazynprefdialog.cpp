#include "dialogs/qazynprefdialog.h"

#include "dialogs/dialogrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QAzynPrefDialog::QAzynPrefDialog(QWidget *parent, const QString &name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    QVBoxLayout *layout = setUpFormDialog(this, name, modal, tr("Preferences"));

    auto *block = new QVBoxLayout;
    block->addWidget(new QLabel(tr("Help url to Corvin info center:"), this));
    m_helpUrlEdit = new QLineEdit(this);
    m_helpUrlEdit->setObjectName(QStringLiteral("helpUrl"));
    block->addWidget(m_helpUrlEdit);

    block->addWidget(new QLabel(tr("Help Browser:"), this));
    m_browserCombo = new QComboBox(this);
    m_browserCombo->setObjectName(QStringLiteral("qvfd-cb-pref-txt"));
    m_browserCombo->setEditable(true);
    // Typing a command never adds an item; only the saved list carries it.
    m_browserCombo->setInsertPolicy(QComboBox::NoInsert);
    block->addWidget(m_browserCombo);

    m_localServerBox = new QCheckBox(tr("Start local server"), this);
    m_localServerBox->setObjectName(QStringLiteral("localServer"));
    block->addWidget(m_localServerBox);
    block->addSpacing(10);

    block->addWidget(new QLabel(tr("Class path for the Help plugin for the local server:"), this));
    m_classPathEdit = new QLineEdit(this);
    m_classPathEdit->setObjectName(QStringLiteral("classPath"));
    m_classPathEdit->setEnabled(m_localServerBox->isChecked());
    block->addWidget(m_classPathEdit);
    layout->addLayout(block);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QAzynPrefDialog::accept);
    connect(m_localServerBox, &QCheckBox::toggled, this, &QAzynPrefDialog::startLocalServer);
}

void QAzynPrefDialog::insertBrowserList(const QStringList &commands)
{
    m_browserCombo->addItems(commands);
}

void QAzynPrefDialog::insertBrowser(const QString &command)
{
    m_browserCombo->insertItem(0, command);
}

void QAzynPrefDialog::setCurrentBrowserItem(int index)
{
    m_browserCombo->setCurrentIndex(index);
}

int QAzynPrefDialog::currentBrowserItem() const
{
    return m_browserCombo->currentIndex();
}

QString QAzynPrefDialog::currentBrowserText() const
{
    return m_browserCombo->currentText();
}

QStringList QAzynPrefDialog::browserList() const
{
    QStringList list;
    for (int i = 0; i < m_browserCombo->count(); ++i) {
        const QString text = m_browserCombo->itemText(i);
        if (!text.isEmpty())
            list.append(text);
    }
    const QString current = m_browserCombo->currentText();
    if (!list.contains(current))
        list.append(current);
    return list;
}

QString QAzynPrefDialog::helpUrl() const
{
    return m_helpUrlEdit->text();
}

void QAzynPrefDialog::setHelpUrl(const QString &url)
{
    m_helpUrlEdit->setText(url);
}

QString QAzynPrefDialog::classPath() const
{
    return m_classPathEdit->text();
}

void QAzynPrefDialog::setClassPath(const QString &classPath)
{
    m_classPathEdit->setText(classPath);
}

bool QAzynPrefDialog::localServer() const
{
    return m_localServerBox->isChecked();
}

void QAzynPrefDialog::setLocalServer(bool on)
{
    m_localServerBox->setChecked(on);
    startLocalServer(on);
}

void QAzynPrefDialog::accept()
{
    Q_EMIT updated();
    QDialog::accept();
}

void QAzynPrefDialog::startLocalServer(bool on)
{
    m_classPathEdit->setEnabled(on);
}

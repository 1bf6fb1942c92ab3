#include "dialogs/qanewzyndlg.h"

#include "sdk/getpix.h"
#include "services/productflavour.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QANewZynDlg::QANewZynDlg(QWidget *parent, const QString &name)
    : QDialog(parent)
{
    setObjectName(name);
    setModal(true);
    setWindowTitle(tr("Moravel Language Selection"));
    setWindowIcon(GETPIX(windowIconName(), builtinImage(windowIconName())));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(10);

    auto *box = new QGroupBox(tr("Select the language of your new Moravel:"), this);
    box->setObjectName(QStringLiteral("ButtonGroup"));
    box->setFlat(true);
    auto *grid = new QGridLayout(box);
    auto *group = new QButtonGroup(box);
    group->setExclusive(true);
    m_cButton = new QRadioButton(tr("C/C++"), box);
    m_adaButton = new QRadioButton(tr("Ada/Ada83"), box);
    m_j2seButton = new QRadioButton(tr("J2SE"), box);
    m_j2meButton = new QRadioButton(tr("J2ME"), box);
    // Two rows of four cells, empty at both ends, so the choices sit in the middle columns.
    QWidget *const cells[] = { new QLabel(box), m_cButton,    m_adaButton,  new QLabel(box),
                               new QLabel(box), m_j2seButton, m_j2meButton, new QLabel(box) };
    for (int i = 0; i < 8; ++i)
        grid->addWidget(cells[i], i / 4, i % 4);
    for (QRadioButton *button : { m_cButton, m_adaButton, m_j2seButton, m_j2meButton })
        group->addButton(button);
    m_cButton->setChecked(true);
    layout->addWidget(box);

    auto *line = new QFrame(this);
    line->setObjectName(tr("text"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(5, 5, 5, 5);
    auto *open = new QPushButton(tr("Open", "open window"), this);
    open->setObjectName(QStringLiteral("Open"));
    open->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel", "open window"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(open, &QPushButton::clicked, this, &QANewZynDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void QANewZynDlg::accept()
{
    QDialog::accept();
    const std::pair<QRadioButton *, const char *> table[] = {
        { m_cButton, "templatec.xdp" },
        { m_adaButton, "templatea.xdp" },
        { m_j2seButton, "templatej2se.xdp" },
        { m_j2meButton, "templatej2me.xdp" },
    };
    for (const auto &[button, templateFile] : table) {
        if (button->isChecked())
            m_templateName = QLatin1String(templateFile);
    }
}

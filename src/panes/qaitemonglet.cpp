#include "panes/qaitemonglet.h"

#include "document/zynformat.h"
#include "panes/qamacrowidget.h"

#include <QVBoxLayout>

QAItemOnglet::QAItemOnglet(const QDomElement &onglet, QWidget *parent)
    : QAOnglet(onglet, parent)
{
    setObjectName(QStringLiteral("itemOnglet"));
    QVBoxLayout *layout = column();
    auto *box = new QWidget(this);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(10);
    layout->addWidget(box);
    layout->addStretch();

    // Tabs know fewer macro kinds than the item pane: the Ada ones show nothing here.
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomElement macro = child.firstChild().toElement();
        if (!child.isElement() || macro.isNull())
            continue;
        if (!Zyn::itemTabMacroTags().contains(macro.tagName()))
            continue;
        QAMacroWidget *widget = QAMacroWidget::create(box, macro);
        connect(widget, &QAMacroWidget::isPressed, this, &QAItemOnglet::myPressed);
        connect(widget, &QAMacroWidget::itemModified, this, &QAItemOnglet::itemHasChanged);
        boxLayout->addWidget(widget);
    }
}

void QAItemOnglet::myPressed(QDomElement &macro)
{
    Q_EMIT itemPressed(macro);
}

void QAItemOnglet::itemHasChanged()
{
    Q_EMIT ongletModified();
}

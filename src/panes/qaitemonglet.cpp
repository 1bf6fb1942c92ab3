#include "panes/qaitemonglet.h"

#include "document/zynformat.h"
#include "panes/qabinarymacro.h"
#include "panes/qaoptionnalmacro.h"
#include "panes/qatextmacro.h"

#include <QVBoxLayout>

QAItemOnglet::QAItemOnglet(const QDomElement &onglet, QWidget *parent)
    : QWidget(parent)
    , element(onglet)
{
    setObjectName(QStringLiteral("itemOnglet"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
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
        const QString tag = macro.tagName();
        if (tag == Zyn::Tag::TextMacro) {
            auto *widget = new QATextMacro(box, macro);
            connect(widget, &QATextMacro::isPressed, this, &QAItemOnglet::myPressed);
            connect(widget, &QATextMacro::itemModified, this, &QAItemOnglet::itemHasChanged);
            boxLayout->addWidget(widget);
        } else if (tag == Zyn::Tag::BinaryMacro) {
            auto *widget = new QABinaryMacro(box, macro);
            connect(widget, &QABinaryMacro::isPressed, this, &QAItemOnglet::myPressed);
            connect(widget, &QABinaryMacro::itemModified, this, &QAItemOnglet::itemHasChanged);
            boxLayout->addWidget(widget);
        } else if (tag == Zyn::Tag::OptionalMacro) {
            auto *widget = new QAOptionnalMacro(box, macro);
            connect(widget, &QAOptionnalMacro::isPressed, this, &QAItemOnglet::myPressed);
            connect(widget, &QAOptionnalMacro::itemModified, this, &QAItemOnglet::itemHasChanged);
            boxLayout->addWidget(widget);
        }
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

#include "panes/qabinarymacro.h"

#include "document/zynformat.h"
#include "panes/qacheckbox.h"

#include <QHBoxLayout>

QABinaryMacro::QABinaryMacro(QWidget *parent, const QDomElement &macro)
    : QAMacroWidget(parent, macro)
{
    setObjectName(QStringLiteral("binaryMacro"));
    checkBox = addSwitch();
    checkBox->setChecked(element.attribute(Zyn::Attr::Value) == Zyn::Value::On);
    row()->addStretch();

    connect(checkBox, &QACheckBox::checkBoxPressed, this, &QABinaryMacro::checkBoxPressEvent);
    connect(checkBox, &QCheckBox::toggled, this, &QABinaryMacro::saveButtonState);
}

void QABinaryMacro::saveButtonState(bool checked)
{
    Q_EMIT isPressed(element);
    const QString name = element.attribute(Zyn::Attr::Name);
    saveSwitch(Zyn::Attr::Value, checked,
               checked ? tr("Switched %1 on").arg(name) : tr("Switched %1 off").arg(name));
}

void QABinaryMacro::checkBoxPressEvent()
{
    Q_EMIT isPressed(element);
}

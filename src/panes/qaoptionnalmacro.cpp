#include "panes/qaoptionnalmacro.h"

#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qacheckbox.h"
#include "panes/qalineedit.h"

QAOptionnalMacro::QAOptionnalMacro(QWidget *parent, const QDomElement &macro)
    : QAMacroWidget(parent, macro)
{
    setObjectName(QStringLiteral("optionalMacro"));
    checkBox = addSwitch();
    lineEdit = addValueField();

    // Only an explicit "0" disables the field: a macro without Defined stays editable.
    const QString defined = element.attribute(Zyn::Attr::Defined);
    checkBox->setChecked(defined == Zyn::Value::On);
    lineEdit->setText(element.attribute(Zyn::Attr::Value));
    lineEdit->setEnabled(defined != Zyn::Value::Off);

    connect(lineEdit, &QLineEdit::textChanged, this, &QAOptionnalMacro::saveText);
    connect(lineEdit, &QALineEdit::linePressed, this, &QAOptionnalMacro::linePressEvent);
    connect(checkBox, &QCheckBox::toggled, this, &QAOptionnalMacro::saveButtonState);
    connect(checkBox, &QACheckBox::checkBoxPressed, this, &QAOptionnalMacro::checkBoxPressEvent);
}

void QAOptionnalMacro::linePressEvent()
{
    Q_EMIT isPressed(element);
}

void QAOptionnalMacro::checkBoxPressEvent()
{
    Q_EMIT isPressed(element);
}

void QAOptionnalMacro::saveButtonState(bool checked)
{
    Q_EMIT isPressed(element);
    lineEdit->setEnabled(checked);
    const QString name = element.attribute(Zyn::Attr::Name);
    saveSwitch(Zyn::Attr::Defined, checked,
               checked ? tr("Defined %1").arg(name) : tr("Undefined %1").arg(name));
}

void QAOptionnalMacro::saveText(const QString &)
{
    QADocumentEditor::of(element)->setAttribute(
        element, Zyn::Attr::Value, lineEdit->text(), QADocumentEditor::Typing,
        tr("Typed in %1").arg(element.attribute(Zyn::Attr::Name)));
    Q_EMIT itemModified();
}

#include "panes/qaoptionnalmacro.h"

#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qacheckbox.h"
#include "panes/qalineedit.h"

#include <QCoreApplication>
#include <QHBoxLayout>

QAOptionnalMacro::QAOptionnalMacro(QWidget *parent, const QDomElement &macro)
    : QWidget(parent)
    , element(macro)
{
    setObjectName(QStringLiteral("optionalMacro"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    const QByteArray name = element.attribute(Zyn::Attr::Name).toUtf8();
    const QString text = QCoreApplication::translate("QAOptionnalMacro", name.constData());
    checkBox = new QACheckBox(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")), this);
    checkBox->setObjectName(QStringLiteral("macroSwitch"));
    layout->addWidget(checkBox);
    layout->addSpacing(10);
    lineEdit = new QALineEdit(this);
    lineEdit->setObjectName(QStringLiteral("macroValue"));
    layout->addWidget(lineEdit);

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
    QADocumentEditor::of(element)->setAttribute(
        element, Zyn::Attr::Defined, checked ? Zyn::Value::On : Zyn::Value::Off,
        QADocumentEditor::Step,
        checked ? tr("Defined %1").arg(name) : tr("Undefined %1").arg(name));
    Q_EMIT itemModified();
}

void QAOptionnalMacro::saveText(const QString &)
{
    QADocumentEditor::of(element)->setAttribute(
        element, Zyn::Attr::Value, lineEdit->text(), QADocumentEditor::Typing,
        tr("Typed in %1").arg(element.attribute(Zyn::Attr::Name)));
    Q_EMIT itemModified();
}

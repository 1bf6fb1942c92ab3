#include "panes/qabinarymacro.h"

#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qacheckbox.h"

#include <QCoreApplication>
#include <QHBoxLayout>

QABinaryMacro::QABinaryMacro(QWidget *parent, const QDomElement &macro)
    : QWidget(parent)
    , element(macro)
{
    setObjectName(QStringLiteral("binaryMacro"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    const QByteArray name = element.attribute(Zyn::Attr::Name).toUtf8();
    const QString text = QCoreApplication::translate("QABinaryMacro", name.constData());
    // A check box reads '&' as a shortcut marker; the name is shown as written.
    checkBox = new QACheckBox(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")), this);
    checkBox->setObjectName(QStringLiteral("macroSwitch"));
    checkBox->setChecked(element.attribute(Zyn::Attr::Value) == Zyn::Value::On);
    layout->addWidget(checkBox);
    layout->addStretch();

    connect(checkBox, &QACheckBox::checkBoxPressed, this, &QABinaryMacro::checkBoxPressEvent);
    connect(checkBox, &QCheckBox::toggled, this, &QABinaryMacro::saveButtonState);
}

void QABinaryMacro::saveButtonState(bool checked)
{
    Q_EMIT isPressed(element);
    const QString name = element.attribute(Zyn::Attr::Name);
    QADocumentEditor::of(element)->setAttribute(
        element, Zyn::Attr::Value, checked ? Zyn::Value::On : Zyn::Value::Off,
        QADocumentEditor::Step,
        checked ? tr("Switched %1 on").arg(name) : tr("Switched %1 off").arg(name));
    Q_EMIT itemModified();
}

void QABinaryMacro::checkBoxPressEvent()
{
    Q_EMIT isPressed(element);
}

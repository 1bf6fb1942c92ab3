#include "panes/qamacrowidget.h"

#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qabinarymacro.h"
#include "panes/qacheckbox.h"
#include "panes/qacommentbox.h"
#include "panes/qalineedit.h"
#include "panes/qaoptionnalmacro.h"
#include "panes/qatextmacro.h"

#include <QCoreApplication>
#include <QHBoxLayout>

QAMacroWidget::QAMacroWidget(QWidget *parent, const QDomElement &macro)
    : QWidget(parent)
    , element(macro)
    , m_row(new QHBoxLayout(this))
{
    m_row->setContentsMargins(0, 0, 0, 0);
}

QAMacroWidget *QAMacroWidget::create(QWidget *parent, const QDomElement &macro)
{
    const QString tag = macro.tagName();
    if (Zyn::textMacroTags().contains(tag))
        return new QATextMacro(parent, macro);
    if (Zyn::binaryMacroTags().contains(tag))
        return new QABinaryMacro(parent, macro);
    if (Zyn::optionalMacroTags().contains(tag))
        return new QAOptionnalMacro(parent, macro);
    return nullptr;
}

QString QAMacroWidget::translatedName() const
{
    const QByteArray name = element.attribute(Zyn::Attr::Name).toUtf8();
    return QCoreApplication::translate(metaObject()->className(), name.constData());
}

QACheckBox *QAMacroWidget::addSwitch()
{
    auto *checkBox = new QACheckBox(escapeMnemonics(translatedName()), this);
    checkBox->setObjectName(QStringLiteral("macroSwitch"));
    m_row->addWidget(checkBox);
    return checkBox;
}

QALineEdit *QAMacroWidget::addValueField()
{
    m_row->addSpacing(10);
    auto *lineEdit = new QALineEdit(this);
    lineEdit->setObjectName(QStringLiteral("macroValue"));
    m_row->addWidget(lineEdit);
    return lineEdit;
}

void QAMacroWidget::saveSwitch(const QString &attribute, bool on, const QString &stepName)
{
    QADocumentEditor::of(element)->setAttribute(element, attribute,
                                                on ? Zyn::Value::On : Zyn::Value::Off,
                                                QADocumentEditor::Step, stepName);
    Q_EMIT itemModified();
}

#include "panes/qatextmacro.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qalineedit.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

QATextMacro::QATextMacro(QWidget *parent, const QDomElement &macro)
    : QWidget(parent)
    , element(macro)
{
    setObjectName(QStringLiteral("textMacro"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    const QByteArray name = element.attribute(Zyn::Attr::Name).toUtf8();
    auto *label = new QLabel(QCoreApplication::translate("QATextMacro", name.constData()), this);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    layout->addSpacing(10);

    lineEdit = new QALineEdit(this);
    lineEdit->setObjectName(QStringLiteral("macroValue"));
    // Read the child that saveText() writes, so that what the field shows is what typing
    // replaces, even in a macro whose VALUE is not its second child.
    lineEdit->setText(childText(Zyn::Tag::ValueText, element, 1));
    layout->addWidget(lineEdit);

    connect(lineEdit, &QLineEdit::textChanged, this, &QATextMacro::saveText);
    connect(lineEdit, &QALineEdit::linePressed, this, &QATextMacro::linePressEvent);
}

void QATextMacro::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT isPressed(element);
    QWidget::mousePressEvent(event);
}

void QATextMacro::linePressEvent()
{
    Q_EMIT isPressed(element);
}

void QATextMacro::saveText(const QString &)
{
    QADocumentEditor::of(element)->setText(element, Zyn::Tag::ValueText, lineEdit->text());
    Q_EMIT itemModified();
}

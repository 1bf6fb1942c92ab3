#include "panes/qatextmacro.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qalineedit.h"

#include <QHBoxLayout>
#include <QLabel>

QATextMacro::QATextMacro(QWidget *parent, const QDomElement &macro)
    : QAMacroWidget(parent, macro)
{
    setObjectName(QStringLiteral("textMacro"));
    auto *label = new QLabel(translatedName(), this);
    label->setTextFormat(Qt::PlainText);
    row()->addWidget(label);
    lineEdit = addValueField();
    // Read the child that saveText() writes, so that what the field shows is what typing
    // replaces, even in a macro whose VALUE is not its second child.
    lineEdit->setText(childText(Zyn::Tag::ValueText, element, 1));

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

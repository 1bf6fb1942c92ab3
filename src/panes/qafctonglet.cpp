#include "panes/qafctonglet.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qasyntaxrules.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QVBoxLayout>

// Not selectable: a press on the fixed lines belongs to the tab, which reports the function.
static QLabel *fixedTextLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Numbered like the body of a function pane: after the lines of its prototype.
static constexpr int BodyLineOffset = 3;

QAFctOnglet::QAFctOnglet(const QDomElement &function, QWidget *parent)
    : QAOnglet(function, parent)
{
    setObjectName(QStringLiteral("fctOnglet"));
    QVBoxLayout *layout = column();
    textEdit = new QATextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->makeCodeField(BodyLineOffset);
    textEdit->setExactText(childText(Zyn::Tag::ValueText, element, 1));
    textEdit->setLanguage(codeLanguageOf(element));
    // A body with nowhere to go would silently drop what the user types.
    textEdit->setReadOnly(element.firstChildElement(Zyn::Tag::ValueText).isNull());
    QLabel *proto
        = fixedTextLabel(childText(Zyn::Tag::Proto, element, 1), QStringLiteral("proto"), this);
    QLabel *tail
        = fixedTextLabel(childText(Zyn::Tag::Tail, element, 1), QStringLiteral("tail"), this);
    textEdit->alignLabel(proto);
    textEdit->alignLabel(tail);
    layout->addWidget(proto);
    layout->addSpacing(5);
    layout->addWidget(textEdit);
    layout->addSpacing(5);
    layout->addWidget(tail);
    layout->addSpacing(10);

    connect(textEdit, &QATextEdit::isPressed, this, &QAFctOnglet::textEditPressed);
    connect(textEdit, &QPlainTextEdit::textChanged, this, &QAFctOnglet::saveText);
}

void QAFctOnglet::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT itemPressed(element);
    QWidget::mousePressEvent(event);
}

void QAFctOnglet::saveText()
{
    QADocumentEditor::of(element)->setText(element, Zyn::Tag::ValueText, exactPlainText(textEdit));
    Q_EMIT ongletModified();
}

void QAFctOnglet::textEditPressed()
{
    Q_EMIT itemPressed(element);
}

#include "panes/qafctviewer.h"

#include "dialogs/qazyntextedit.h"
#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/framedbox.h"
#include "panes/qasyntaxrules.h"
#include "panes/qatextedit.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

// The body goes into a file after the prototype's lines, so its first line is line 4 there.
static constexpr int BodyLineOffset = 3;

// The function child that the pane edits: VALUEFCTPERL, else VALUEFCTADA, else VALUEFCT.
static QDomElement functionElement(const QDomElement &element)
{
    for (const QString &tag : Zyn::functionTags()) {
        const QDomElement function = element.firstChildElement(tag);
        if (!function.isNull())
            return function;
    }
    return QDomElement();
}

static QLabel *fixedTextLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QAFctViewer::QAFctViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QANodeViewer(element, parent, docBrowser)
{
    setObjectName(QStringLiteral("fctViewer"));
    QVBoxLayout *layout = createPaneLayout();
    auto *boxLayout = new QVBoxLayout;
    QFrame *box = addFramedBox(this, layout, boxLayout);

    const QDomElement function = functionElement(element);
    textEdit = new QAZynTextEdit(box, BodyLineOffset);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setExactText(childText(Zyn::Tag::ValueText, function, 1));
    textEdit->setLanguage(codeLanguageOf(function));
    // A body with nowhere to go would silently drop what the user types.
    textEdit->setReadOnly(function.firstChildElement(Zyn::Tag::ValueText).isNull());
    protoLabel
        = fixedTextLabel(childText(Zyn::Tag::Proto, function, 1), QStringLiteral("proto"), box);
    tailLabel = fixedTextLabel(childText(Zyn::Tag::Tail, function, 1), QStringLiteral("tail"), box);
    textEdit->alignLabel(protoLabel);
    textEdit->alignLabel(tailLabel);
    boxLayout->addWidget(protoLabel);
    boxLayout->addWidget(textEdit);
    boxLayout->addWidget(tailLabel);

    layout->addSpacing(10);
    //: used to display title on comment window, %1 is the subject of the comment
    const QString title = tr("Comment for \"%1\" node ").arg(Zyn::translatedLabel(element));
    addComment(layout, title);
    lockCommentWithoutChild();

    connect(textEdit, &QPlainTextEdit::textChanged, this, &QAFctViewer::saveText);
}

void QAFctViewer::saveText()
{
    saveField(functionElement(element), Zyn::Tag::ValueText, textEdit);
}

bool QAFctViewer::revealField(const QAFieldRef &field)
{
    if (field.kind == QAFieldRef::Comment && field.element == element) {
        FieldReveal::selectText(comment.edit, field);
        return true;
    }
    if (field.element != functionElement(element))
        return false;
    switch (field.kind) {
    case QAFieldRef::Text:
        FieldReveal::selectText(textEdit, field);
        return true;
    case QAFieldRef::Prototype:
    case QAFieldRef::Tail: {
        QLabel *label = field.kind == QAFieldRef::Prototype ? protoLabel : tailLabel;
        FieldReveal::focus(label);
        label->setSelection(field.start, field.length);
        return true;
    }
    default:
        return false;
    }
}

#include "panes/qafreetext.h"

#include "dialogs/qazyntextedit.h"
#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/qasyntaxrules.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QVBoxLayout>

QAFreeText::QAFreeText(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QANodeViewer(element, parent, docBrowser)
    , textEdit(new QAZynTextEdit(this, 0, QStringLiteral("textEdit")))
{
    QVBoxLayout *layout = createPaneLayout();
    layout->setSpacing(0);

    textEdit->setFrameStyle(QFrame::Box | QFrame::Raised);
    textEdit->setLineWidth(1);
    textEdit->setMidLineWidth(2);
    textEdit->setExactText(childText(Zyn::Tag::ValueText, element, 1));
    textEdit->setLanguage(codeLanguageOf(element));

    //: used in Add ASCII file window
    auto *textLabel = new QLabel(tr("Enter text here:"), this);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    textLabel->setBuddy(textEdit);

    layout->addWidget(textLabel);
    layout->addSpacing(5);
    layout->addWidget(textEdit, 1);
    layout->addSpacing(15);
    addComment(layout, tr("Comment for \"%1\" node:").arg(commentSubject()));

    connect(textEdit, &QPlainTextEdit::textChanged, this, &QAFreeText::saveText);
}

QString QAFreeText::commentSubject() const
{
    // An empty Name still wins over Label.
    if (element.hasAttribute(Zyn::Attr::Name))
        return element.attribute(Zyn::Attr::Name);
    return Zyn::translatedLabel(element);
}

void QAFreeText::saveText()
{
    saveField(element, Zyn::Tag::ValueText, textEdit);
}

bool QAFreeText::revealField(const QAFieldRef &field)
{
    if (field.element != element)
        return false;
    if (field.kind == QAFieldRef::Text)
        FieldReveal::selectText(textEdit, field);
    else if (field.kind == QAFieldRef::Comment)
        FieldReveal::selectText(comment.edit, field);
    else
        return false;
    return true;
}

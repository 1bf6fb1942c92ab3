#include "panes/qafreetext.h"

#include "dialogs/qazyndocbrowser.h"
#include "dialogs/qazyntextedit.h"
#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/qacommentbox.h"
#include "panes/qasyntaxrules.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QVBoxLayout>

QAFreeText::QAFreeText(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QAZynViewer(parent)
    , element(element)
    , docBrowser(docBrowser)
    , textEdit(new QAZynTextEdit(this, 0, QStringLiteral("textEdit")))
{
    showNode();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
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
    const QACommentBox box
        = QACommentBox::add(this, layout, tr("Comment for \"%1\" node:").arg(commentSubject()),
                            childText(Zyn::Tag::Comment, element, 1));
    box.title->setObjectName(QStringLiteral("commentLabel"));
    commentEdit = box.edit;
    commentEdit->setObjectName(QStringLiteral("commentEdit"));

    connect(textEdit, &QPlainTextEdit::textChanged, this, &QAFreeText::saveText);
    connect(commentEdit, &QPlainTextEdit::textChanged, this, &QAFreeText::saveComment);
}

QString QAFreeText::commentSubject() const
{
    // An empty Name still wins over Label.
    if (element.hasAttribute(Zyn::Attr::Name))
        return element.attribute(Zyn::Attr::Name);
    return Zyn::translatedLabel(element);
}

void QAFreeText::showNode()
{
    if (docBrowser)
        docBrowser->scrollToAnchor(element.attribute(Zyn::Attr::Doc));
}

void QAFreeText::saveText()
{
    setChildText(exactPlainText(textEdit), Zyn::Tag::ValueText, element, 1);
    setModified(true);
}

void QAFreeText::saveComment()
{
    setChildText(exactPlainText(commentEdit), Zyn::Tag::Comment, element, 1);
    setModified(true);
}

bool QAFreeText::revealField(const QAFieldRef &field)
{
    if (field.element != element)
        return false;
    if (field.kind == QAFieldRef::Text)
        FieldReveal::selectText(textEdit, field);
    else if (field.kind == QAFieldRef::Comment)
        FieldReveal::selectText(commentEdit, field);
    else
        return false;
    return true;
}

#include "panes/qacommentviewer.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/qacommentbox.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QVBoxLayout>

QACommentViewer::QACommentViewer(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QAZynViewer(parent)
    , element(element)
    , docBrowser(docBrowser)
    , commentEdit(new QATextEdit(this))
{
    showNode();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);

    commentEdit->setObjectName(QStringLiteral("commentEdit"));
    commentEdit->setFrameStyle(QFrame::Box | QFrame::Raised);
    commentEdit->setLineWidth(1);
    commentEdit->setMidLineWidth(2);
    setExactPlainText(commentEdit, childText(Zyn::Tag::Comment, element, 1));

    //: used to display title on comment window, %1 is the subject of the comment
    auto *title = new QLabel(escapeMnemonics(tr("Comment for %1 node ").arg(titleSubject())), this);
    title->setObjectName(QStringLiteral("commentLabel"));
    title->setBuddy(commentEdit);

    layout->addSpacing(5);
    layout->addWidget(title);
    layout->addSpacing(5);
    layout->addWidget(commentEdit);

    connect(commentEdit, &QPlainTextEdit::textChanged, this, &QACommentViewer::saveComment);
}

QString QACommentViewer::titleSubject() const
{
    const QChar quote(u'"');
    // An empty Label still wins over Name: the document asked for a label.
    if (element.hasAttribute(Zyn::Attr::Label))
        return quote + Zyn::translatedLabel(element) + quote;
    if (element.tagName() != Zyn::Tag::Root)
        return quote + element.attribute(Zyn::Attr::Name) + quote;
    return tr("the root");
}

void QACommentViewer::showNode()
{
    if (docBrowser)
        docBrowser->scrollToAnchor(element.attribute(Zyn::Attr::Doc));
}

void QACommentViewer::saveComment()
{
    setChildText(exactPlainText(commentEdit), Zyn::Tag::Comment, element, 1);
    setModified(true);
}

bool QACommentViewer::revealField(const QAFieldRef &field)
{
    if (field.kind != QAFieldRef::Comment || field.element != element)
        return false;
    FieldReveal::selectText(commentEdit, field);
    return true;
}

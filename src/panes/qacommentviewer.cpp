#include "panes/qacommentviewer.h"

#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/qatextedit.h"

#include <QVBoxLayout>

QACommentViewer::QACommentViewer(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QANodeViewer(element, parent, docBrowser)
{
    QVBoxLayout *layout = createPaneLayout();
    layout->setSpacing(0);
    layout->addSpacing(5);
    //: used to display title on comment window, %1 is the subject of the comment
    addComment(layout, tr("Comment for %1 node ").arg(titleSubject()));
    // The comment is all the pane edits: it takes the whole height.
    comment.edit->setMaximumHeight(QWIDGETSIZE_MAX);
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

bool QACommentViewer::revealField(const QAFieldRef &field)
{
    if (field.kind != QAFieldRef::Comment || field.element != element)
        return false;
    FieldReveal::selectText(comment.edit, field);
    return true;
}

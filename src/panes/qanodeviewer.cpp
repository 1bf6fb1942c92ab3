#include "panes/qanodeviewer.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QVBoxLayout>

QANodeViewer::QANodeViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QAZynViewer(parent)
    , element(element)
    , docBrowser(docBrowser)
    , m_commented(element)
{
    scrollTo(element);
}

void QANodeViewer::showNode()
{
    scrollTo(element);
}

QVBoxLayout *QANodeViewer::createPaneLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    return layout;
}

void QANodeViewer::addComment(QBoxLayout *layout, const QString &title)
{
    comment = QACommentBox::add(this, layout, title, childText(Zyn::Tag::Comment, element, 1));
    comment.edit->setObjectName(QStringLiteral("commentEdit"));
    comment.title->setObjectName(QStringLiteral("commentLabel"));
    connect(comment.edit, &QPlainTextEdit::textChanged, this, &QANodeViewer::saveComment);
}

void QANodeViewer::lockCommentWithoutChild()
{
    comment.edit->setReadOnly(m_commented.firstChildElement(Zyn::Tag::Comment).isNull());
}

void QANodeViewer::followComment(const QDomElement &subject, const QString &title)
{
    m_commented = subject;
    comment.refill(title, childText(Zyn::Tag::Comment, m_commented, 1));
    lockCommentWithoutChild();
    scrollTo(m_commented);
}

void QANodeViewer::scrollTo(const QDomElement &subject) const
{
    if (docBrowser)
        docBrowser->scrollToAnchor(subject.attribute(Zyn::Attr::Doc));
}

void QANodeViewer::saveField(const QDomElement &target, const QString &tag,
                             const QPlainTextEdit *edit)
{
    QADocumentEditor::of(target)->setText(target, tag, exactPlainText(edit));
    setModified(true);
}

void QANodeViewer::saveComment()
{
    saveField(m_commented, Zyn::Tag::Comment, comment.edit);
}

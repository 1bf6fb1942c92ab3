#include "panes/qaitemviewer.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/framedbox.h"
#include "panes/qabinarymacro.h"
#include "panes/qaoptionnalmacro.h"
#include "panes/qatextedit.h"
#include "panes/qatextmacro.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

QAItemViewer::QAItemViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QAZynViewer(parent)
    , docBrowser(docBrowser)
    , currentElement(element)
    , element(element)
{
    setObjectName(QStringLiteral("itemViewer"));
    if (docBrowser)
        docBrowser->scrollToAnchor(element.attribute(Zyn::Attr::Doc));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    auto *boxLayout = new QVBoxLayout;
    boxLayout->setSpacing(10);
    QFrame *box = addFramedBox(this, layout, boxLayout);
    box->setObjectName(QStringLiteral("macros"));

    // Macros stand inside wrappers; one placed directly under the element is not an item.
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomNode first = child.firstChild();
        if (child.isElement() && first.isElement())
            addMacro(first.toElement(), box, boxLayout);
    }

    layout->addSpacing(10);
    const QString title = tr("Comment for \"%1\" node:").arg(Zyn::translatedLabel(element));
    comment = QACommentBox::add(this, layout, title, childText(Zyn::Tag::Comment, element, 1));
    comment.edit->setObjectName(QStringLiteral("commentEdit"));
    comment.title->setObjectName(QStringLiteral("commentLabel"));
    comment.edit->setReadOnly(element.firstChildElement(Zyn::Tag::Comment).isNull());
    layout->addStretch();

    connect(comment.edit, &QPlainTextEdit::textChanged, this, &QAItemViewer::saveComment);
}

void QAItemViewer::addMacro(const QDomElement &macro, QWidget *box, QBoxLayout *boxLayout)
{
    const QString tag = macro.tagName();
    if (Zyn::textMacroTags().contains(tag)) {
        auto *widget = new QATextMacro(box, macro);
        connect(widget, &QATextMacro::isPressed, this, &QAItemViewer::updateComment);
        connect(widget, &QATextMacro::itemModified, this, &QAItemViewer::itemHasChanged);
        boxLayout->addWidget(widget);
    } else if (Zyn::binaryMacroTags().contains(tag)) {
        auto *widget = new QABinaryMacro(box, macro);
        connect(widget, &QABinaryMacro::isPressed, this, &QAItemViewer::updateComment);
        connect(widget, &QABinaryMacro::itemModified, this, &QAItemViewer::itemHasChanged);
        boxLayout->addWidget(widget);
    } else if (Zyn::optionalMacroTags().contains(tag)) {
        auto *widget = new QAOptionnalMacro(box, macro);
        connect(widget, &QAOptionnalMacro::isPressed, this, &QAItemViewer::updateComment);
        connect(widget, &QAOptionnalMacro::itemModified, this, &QAItemViewer::itemHasChanged);
        boxLayout->addWidget(widget);
    }
}

void QAItemViewer::refillComment(const QString &title)
{
    comment.refill(title, childText(Zyn::Tag::Comment, currentElement, 1));
    // Without a COMMENT child there is nowhere to keep what the user would type.
    comment.edit->setReadOnly(currentElement.firstChildElement(Zyn::Tag::Comment).isNull());
    if (docBrowser)
        docBrowser->scrollToAnchor(currentElement.attribute(Zyn::Attr::Doc));
}

void QAItemViewer::updateComment(QDomElement &macro)
{
    currentElement = macro;
    refillComment(tr("Comment for \"%1\" item:").arg(macro.attribute(Zyn::Attr::Name)));
}

void QAItemViewer::itemHasChanged()
{
    setModified(true);
}

void QAItemViewer::saveComment()
{
    setChildText(exactPlainText(comment.edit), Zyn::Tag::Comment, currentElement, 1);
    setModified(true);
}

void QAItemViewer::showNode()
{
    currentElement = element;
    const QByteArray label = element.attribute(Zyn::Attr::Label).toUtf8();
    refillComment(QCoreApplication::translate("XDP Labels", "Comment for \"%1\" node:")
                      .arg(QCoreApplication::translate("xdp", label.constData())));
}

bool QAItemViewer::revealField(const QAFieldRef &field)
{
    if (field.kind != QAFieldRef::Comment)
        return FieldReveal::revealMacro(this, field);
    if (field.element == element) {
        showNode();
    } else if (FieldReveal::macroWidget(this, field.element)) {
        QDomElement macro = field.element;
        updateComment(macro);
    } else {
        return false;
    }
    FieldReveal::selectText(comment.edit, field);
    return true;
}

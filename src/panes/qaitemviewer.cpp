#include "panes/qaitemviewer.h"

#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/framedbox.h"
#include "panes/qamacrowidget.h"
#include "panes/qatextedit.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

QAItemViewer::QAItemViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QANodeViewer(element, parent, docBrowser)
{
    setObjectName(QStringLiteral("itemViewer"));
    QVBoxLayout *layout = createPaneLayout();
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
    addComment(layout, title);
    lockCommentWithoutChild();
    layout->addStretch();
}

void QAItemViewer::addMacro(const QDomElement &macro, QWidget *box, QBoxLayout *boxLayout)
{
    if (QAMacroWidget *widget = QAMacroWidget::create(box, macro)) {
        connect(widget, &QAMacroWidget::isPressed, this, &QAItemViewer::updateComment);
        connect(widget, &QAMacroWidget::itemModified, this, &QAItemViewer::itemHasChanged);
        boxLayout->addWidget(widget);
    }
}

void QAItemViewer::updateComment(QDomElement &macro)
{
    followComment(macro, tr("Comment for \"%1\" item:").arg(macro.attribute(Zyn::Attr::Name)));
}

void QAItemViewer::itemHasChanged()
{
    setModified(true);
}

void QAItemViewer::showNode()
{
    const QByteArray label = element.attribute(Zyn::Attr::Label).toUtf8();
    followComment(element,
                  QCoreApplication::translate("XDP Labels", "Comment for \"%1\" node:")
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

#include "panes/qachoiceviewer.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"
#include "document/zynformat.h"
#include "panes/fieldreveal.h"
#include "panes/framedbox.h"
#include "panes/qafctonglet.h"
#include "panes/qaitemonglet.h"
#include "panes/qatextedit.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

QAChoiceViewer::QAChoiceViewer(const QDomElement &element, QWidget *parent,
                               QAZynDocBrowser *docBrowser)
    : QANodeViewer(element, parent, docBrowser)
{
    setObjectName(QStringLiteral("choiceViewer"));
    QVBoxLayout *layout = createPaneLayout();
    auto *boxLayout = new QVBoxLayout;
    QFrame *box = addFramedBox(this, layout, boxLayout);

    const QDomElement choice = choiceElement();
    auto *selector = new QHBoxLayout;
    auto *selectorLabel = new QLabel(choice.attribute(Zyn::Attr::Name), box);
    selectorLabel->setObjectName(QStringLiteral("choiceName"));
    selectorLabel->setTextFormat(Qt::PlainText);
    selector->addWidget(selectorLabel);
    choiceBox = new QComboBox(box);
    choiceBox->setObjectName(QStringLiteral("choices"));
    choiceBox->setEditable(false);
    selector->addWidget(choiceBox);
    boxLayout->addLayout(selector);
    tabWidget = new QTabWidget(box);
    tabWidget->setObjectName(QStringLiteral("tabs"));
    boxLayout->addWidget(tabWidget);

    fillChoices(choice);
    addTabs(choice);
    tabWidget->setEnabled(isEntrySensitive(choiceBox->currentIndex()));

    //: used to display title on comment window, %1 is the subject of the comment
    const QString title = tr("Comment for \"%1\" node ").arg(Zyn::translatedLabel(element));
    addComment(layout, title);
    lockCommentWithoutChild();

    connect(choiceBox, &QComboBox::activated, this, &QAChoiceViewer::enableTab);
    connect(tabWidget, &QTabWidget::currentChanged, this, &QAChoiceViewer::updateComment);
}

QDomElement QAChoiceViewer::choiceElement() const
{
    return element.firstChildElement(Zyn::Tag::Choice);
}

void QAChoiceViewer::fillChoices(const QDomElement &choice)
{
    const QString value = choice.attribute(Zyn::Attr::Value);
    int position = 0;
    for (QDomElement data = choice.firstChildElement(Zyn::Tag::ChoiceData); !data.isNull();
         data = data.nextSiblingElement(Zyn::Tag::ChoiceData), ++position) {
        const QDomNode text = data.firstChild();
        if (!text.isText())
            continue;
        // The entry keeps its position, so that an entry without text before it does not shift
        // the sensitivity of later ones.
        choiceBox->addItem(text.toCharacterData().data(), position);
        if (text.toCharacterData().data() == value)
            choiceBox->setCurrentIndex(choiceBox->count() - 1);
    }
}

void QAChoiceViewer::addTabs(const QDomElement &choice)
{
    int position = 0;
    for (QDomElement onglet = choice.firstChildElement(Zyn::Tag::Onglet); !onglet.isNull();
         onglet = onglet.nextSiblingElement(Zyn::Tag::Onglet), ++position) {
        const QDomElement first = onglet.firstChild().toElement();
        QAOnglet *tab = nullptr;
        if (Zyn::codeTabTags().contains(first.tagName()))
            tab = new QAFctOnglet(first, this);
        else if (first.tagName() == Zyn::Tag::Item)
            tab = new QAItemOnglet(onglet, this);
        if (!tab)
            continue;
        connect(tab, &QAOnglet::itemPressed, this, &QAChoiceViewer::updateItemComment);
        connect(tab, &QAOnglet::ongletModified, this, &QAChoiceViewer::ongletHasChanged);
        tabWidget->addTab(tab, escapeMnemonics(Zyn::translatedLabel(onglet)));
        tabOnglets.append(position);
    }
}

bool QAChoiceViewer::isSensitive(int index) const
{
    const QDomElement data = nthChild(Zyn::Tag::ChoiceData, index);
    return data.attribute(Zyn::Attr::Sensitive) == Zyn::Value::On;
}

QDomElement QAChoiceViewer::nthChild(const QString &tag, int index) const
{
    if (index < 0)
        return QDomElement();
    QDomElement child = choiceElement().firstChildElement(tag);
    for (int position = 0; position < index && !child.isNull(); ++position)
        child = child.nextSiblingElement(tag);
    return child;
}

bool QAChoiceViewer::isEntrySensitive(int comboIndex) const
{
    if (comboIndex < 0 || comboIndex >= choiceBox->count())
        return false;
    return isSensitive(choiceBox->itemData(comboIndex).toInt());
}

void QAChoiceViewer::showNode()
{
    //: used to display title on comment window, %1 is the subject of the comment
    followComment(element, tr("Comment for \"%1\" node ").arg(Zyn::translatedLabel(element)));
}

void QAChoiceViewer::ongletHasChanged()
{
    setModified(true);
}

void QAChoiceViewer::enableTab(int index)
{
    QDomElement choice = choiceElement();
    if (choice.isNull() || index < 0 || index >= choiceBox->count())
        return;
    const QString value = choiceBox->itemText(index);
    QADocumentEditor::of(choice)->setAttribute(choice, Zyn::Attr::Value, value,
                                               QADocumentEditor::Step, tr("Chose %1").arg(value));
    tabWidget->setEnabled(isEntrySensitive(index));
    setModified(true);
}

void QAChoiceViewer::updateComment(int tabIndex)
{
    // The comment box shows and edits the tab's content, titled as a click into it would.
    QDomElement content
        = nthChild(Zyn::Tag::Onglet, tabOnglets.value(tabIndex, -1)).firstChild().toElement();
    if (!content.isNull())
        updateItemComment(content);
}

void QAChoiceViewer::updateItemComment(QDomElement &e)
{
    QString subject;
    if (e.hasAttribute(Zyn::Attr::Name))
        subject = e.attribute(Zyn::Attr::Name);
    else
        subject = Zyn::translatedLabel(e.parentNode().toElement());
    //: used to display title on comment window, %1 is the subject of the comment
    followComment(e, tr("Comment for %1 item ").arg(QLatin1Char('"') + subject + QLatin1Char('"')));
}

int QAChoiceViewer::tabShowing(const QDomElement &inside) const
{
    QDomNode onglet = inside;
    while (!onglet.isNull() && onglet.nodeName() != Zyn::Tag::Onglet)
        onglet = onglet.parentNode();
    if (onglet.isNull())
        return -1;
    for (int tab = 0; tab < tabOnglets.size(); ++tab) {
        if (nthChild(Zyn::Tag::Onglet, tabOnglets.at(tab)) == onglet)
            return tab;
    }
    return -1;
}

bool QAChoiceViewer::revealField(const QAFieldRef &field)
{
    switch (field.kind) {
    case QAFieldRef::ChoiceName:
    case QAFieldRef::ChoiceEntry:
        // The shown alternative stays the one the document holds: only the user picks another.
        if (!field.element.isNull() && field.element != choiceElement()
            && field.element.parentNode() != choiceElement())
            return false;
        FieldReveal::focus(choiceBox);
        return true;
    case QAFieldRef::Comment:
        if (field.element != element && tabShowing(field.element) < 0)
            return false;
        revealComment(field);
        return true;
    default:
        return revealInTab(field);
    }
}

bool QAChoiceViewer::revealInTab(const QAFieldRef &field)
{
    const int tab = tabShowing(field.element);
    if (tab < 0)
        return false;
    tabWidget->setCurrentIndex(tab);
    QWidget *page = tabWidget->widget(tab);
    switch (field.kind) {
    case QAFieldRef::TabLabel:
        FieldReveal::focus(tabWidget->tabBar());
        return true;
    case QAFieldRef::Text:
        FieldReveal::selectText(page->findChild<QATextEdit *>(QStringLiteral("textEdit")), field);
        return true;
    case QAFieldRef::Prototype:
    case QAFieldRef::Tail:
        // The fixed lines of a tab take no selection: the body below them takes the focus.
        FieldReveal::focus(page->findChild<QATextEdit *>(QStringLiteral("textEdit")));
        return true;
    default:
        return FieldReveal::revealMacro(page, field);
    }
}

void QAChoiceViewer::revealComment(const QAFieldRef &field)
{
    if (field.element == element) {
        showNode();
    } else {
        tabWidget->setCurrentIndex(tabShowing(field.element));
        QDomElement subject = field.element;
        updateItemComment(subject);
    }
    FieldReveal::selectText(comment.edit, field);
}

#include "panes/qaisviewer.h"

#include "dialogs/qazyndocbrowser.h"
#include "document/domtext.h"
#include "document/qarenamedelegate.h"
#include "document/zynformat.h"
#include "panes/framedbox.h"
#include "panes/qaisvieweritem.h"
#include "panes/qatextedit.h"
#include "services/qadialogseam.h"

#include <QApplication>
#include <QBasicTimer>
#include <QBoxLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimerEvent>
#include <QTreeWidget>

using namespace Zyn;

namespace QAIsKeys {

QDomElement container(const QDomElement &settings)
{
    return settings.firstChild().toElement();
}

QList<QDomElement> keys(const QDomElement &container)
{
    QList<QDomElement> result;
    for (QDomElement key = container.firstChildElement(); !key.isNull();
         key = key.nextSiblingElement()) {
        if (key.tagName() != Tag::Comment)
            result.append(key);
    }
    return result;
}

QString keyName(const QDomElement &key)
{
    if (key.firstChildElement(Tag::Key).isNull())
        return key.tagName();
    return childText(Tag::Key, key, 1);
}

QString keyValue(const QDomElement &key)
{
    return childText(Tag::ValueText, key, 1);
}

bool isPredefined(const QDomElement &key)
{
    return predefinedKeys().contains(key.tagName());
}

bool canRenameKey(const QDomElement &key)
{
    // Other keys show their tag, which a rename must not change.
    return key.tagName() == Tag::IniField && !key.firstChildElement(Tag::Key).isNull();
}

static void insertAsSecondChild(QDomElement parent, const QDomNode &child)
{
    // insertBefore() with a null reference would put the child first.
    const QDomNode second = parent.firstChild().nextSibling();
    if (second.isNull())
        parent.appendChild(child);
    else
        parent.insertBefore(child, second);
}

QDomElement appendKey(QDomElement container, const QString &name, const QString &emptyValue)
{
    const QList<QDomElement> existing = keys(container);
    if (existing.isEmpty())
        return QDomElement();
    const QDomElement model = existing.first();
    QDomElement key = model.cloneNode(true).toElement();
    // Texts are written once the key is in the document that owns their text nodes.
    container.appendChild(key);
    if (key.tagName() != Tag::IniField) {
        key.setTagName(Tag::IniField);
        key.setAttribute(Attr::Doc, Value::UserKeyDoc);
        key.removeAttribute(Attr::Label);
    }
    if (key.firstChildElement(Tag::Key).isNull()) {
        QDomElement keyChild = model.firstChild().isElement()
            ? model.firstChild().cloneNode(true).toElement()
            : ownerDocumentOf(container).createElement(Tag::Key);
        keyChild.setTagName(Tag::Key);
        insertAsSecondChild(key, keyChild);
    }
    setChildText(emptyValue, Tag::ValueText, key, 1);
    setChildText(QString(), Tag::Comment, key, 1);
    setChildText(name, Tag::Key, key, 1);
    return key;
}

void removeKey(QDomElement container, const QDomElement &key)
{
    container.removeChild(key);
}

void moveKeyBefore(QDomElement container, const QDomElement &key, const QDomElement &before)
{
    container.removeChild(key);
    container.insertBefore(key, before);
}

void moveKeyAfter(QDomElement container, const QDomElement &key, const QDomElement &after)
{
    container.removeChild(key);
    container.insertAfter(key, after);
}

} // namespace QAIsKeys

// The key list. Every in-place edit it would start on its own goes through the row's
// startRename(), which knows the columns that may be renamed.
class QAIsKeyList : public QTreeWidget
{
public:
    using QTreeWidget::edit;
    using QTreeWidget::QTreeWidget;

    void openEditor(QTreeWidgetItem *item, int column)
    {
        // The value edit of a double click replaces the rename its first click left waiting.
        m_clickRename.stop();
        const QScopedValueRollback<bool> opening(m_opening, true);
        editItem(item, column);
    }

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override
    {
        if (m_opening)
            return QTreeWidget::edit(index, trigger, event);
        auto *row = dynamic_cast<QAIsViewerItem *>(itemFromIndex(index));
        switch (trigger) {
        case SelectedClicked:
            // A click on the current row renames once it is clear that no double click
            // follows. Qt's own wait for it would refuse the double click's value edit.
            if (!row || !row->renameEnabled(index.column()))
                return false;
            m_clickIndex = index;
            m_clickRename.start(QApplication::doubleClickInterval(), this);
            return true;
        case AllEditTriggers:
            if (!row)
                return false;
            row->startRename(index.column());
            return true;
        default:
            return QTreeWidget::edit(index, trigger, event);
        }
    }

    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != m_clickRename.timerId()) {
            QTreeWidget::timerEvent(event);
            return;
        }
        m_clickRename.stop();
        // Another click may have moved on meanwhile.
        if (m_clickIndex.isValid() && m_clickIndex == currentIndex()) {
            if (auto *row = dynamic_cast<QAIsViewerItem *>(itemFromIndex(m_clickIndex)))
                row->startRename(m_clickIndex.column());
        }
    }

private:
    bool m_opening = false;
    QBasicTimer m_clickRename;
    QPersistentModelIndex m_clickIndex;
};

QAIsViewer::QAIsViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser)
    : QAZynViewer(parent)
    , m_element(element)
    , m_currentElement(element)
    , m_docBrowser(docBrowser)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);

    auto *boxLayout = new QHBoxLayout;
    boxLayout->setSpacing(5);
    QFrame *box = addFramedBox(this, layout, boxLayout, 1);
    box->setObjectName(QStringLiteral("keyBox"));
    box->setMinimumHeight(200);

    createKeyList(box);
    boxLayout->addWidget(m_keyList);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(5);
    const auto addButton = [box, buttons](const QString &text, const char *name) {
        auto *button = new QPushButton(text, box);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        return button;
    };
    m_addButton
        = addButton(tr("Add...", "button name to add a new basic setting key"), "addButton");
    m_removeButton
        = addButton(tr("Remove", "button name to remove a basic setting key"), "removeButton");
    m_moveUpButton
        = addButton(tr("Move Up", "button name to move a basic setting key"), "moveUpButton");
    m_moveDownButton
        = addButton(tr("Move Down", "button name to move a basic setting key"), "moveDownButton");
    buttons->addWidget(new QLabel(box), 1);
    boxLayout->addLayout(buttons);

    for (const QDomElement &key : QAIsKeys::keys(QAIsKeys::container(m_element)))
        new QAIsViewerItem(this, key);

    layout->addSpacing(10);
    m_commentBox
        = QACommentBox::add(this, layout, nodeTitle(), childText(Tag::Comment, m_element, 2));
    m_commentBox.edit->setObjectName(QStringLiteral("commentEdit"));
    m_commentBox.title->setObjectName(QStringLiteral("commentLabel"));

    connect(m_commentBox.edit, &QPlainTextEdit::textChanged, this, &QAIsViewer::saveComment);
    connect(m_keyList, &QTreeWidget::currentItemChanged, this, &QAIsViewer::updateItem);
    connect(m_keyList, &QTreeWidget::itemClicked, this, &QAIsViewer::updateItem);
    connect(m_keyList, &QTreeWidget::itemDoubleClicked, this, &QAIsViewer::startEdit);
    connect(m_addButton, &QPushButton::clicked, this, &QAIsViewer::addRow);
    connect(m_removeButton, &QPushButton::clicked, this, &QAIsViewer::removeRow);
    connect(m_moveUpButton, &QPushButton::clicked, this, &QAIsViewer::moveRowUp);
    connect(m_moveDownButton, &QPushButton::clicked, this, &QAIsViewer::moveRowDown);
    connectRenames();
}

// The two-column list of keys and values, edited in place (an edit that loses the focus counts).
void QAIsViewer::createKeyList(QWidget *box)
{
    m_keyList = new QAIsKeyList(box);
    m_keyList->setObjectName(QStringLiteral("keyList"));
    m_keyList->setColumnCount(2);
    m_keyList->setHeaderLabels({ tr("KEY", "head of the basic setting key names"),
                                 tr("VALUE", "head of the basic setting key values") });
    m_keyList->setRootIsDecorated(false);
    m_keyList->setSortingEnabled(false);
    m_keyList->setAllColumnsShowFocus(true);
    m_keyList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_keyList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_keyList->header()->setSectionsMovable(false);
    m_keyList->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_keyList->setEditTriggers(QAbstractItemView::SelectedClicked);
    m_renameDelegate = new QARenameDelegate(QARenameDelegate::Accept, m_keyList);
    m_keyList->setItemDelegate(m_renameDelegate);
}

// What the in-place edit of a row ends with goes to that row; without a row the buttons come back.
void QAIsViewer::connectRenames()
{
    connect(m_renameDelegate, &QARenameDelegate::committed, this, [this](const QModelIndex &index) {
        if (QAIsViewerItem *item = row(index.row()))
            item->okRename(index.column());
        else
            setButtonsEnabled(true);
    });
    connect(m_renameDelegate, &QARenameDelegate::canceled, this, [this](const QModelIndex &index) {
        if (QAIsViewerItem *item = row(index.row()))
            item->cancelRename(index.column());
        else
            setButtonsEnabled(true);
    });
}

QAIsViewer::~QAIsViewer()
{
    // The list and its editor go down with the base class; nothing of this pane may be called
    // back by then.
    disconnect(m_keyList, nullptr, this, nullptr);
    disconnect(m_renameDelegate, nullptr, this, nullptr);
    disconnect(m_commentBox.edit, nullptr, this, nullptr);
}

QTreeWidget *QAIsViewer::keyList() const
{
    return m_keyList;
}

void QAIsViewer::showNode()
{
    m_currentElement = m_element;
    m_commentBox.refill(nodeTitle(), childText(Tag::Comment, m_element, 2));
    // The settings elements share the anchor of their group.
    if (m_docBrowser)
        m_docBrowser->scrollToAnchor(m_element.parentNode().toElement().attribute(Attr::Doc));
}

void QAIsViewer::acceptOpenEdit()
{
    if (!m_renameDelegate->isEditing())
        return;
    if (QAIsViewerItem *item = row(m_renameDelegate->editingIndex().row()))
        item->okRename(item->renameColumn());
}

void QAIsViewer::updateItem(QTreeWidgetItem *item)
{
    auto *current = dynamic_cast<QAIsViewerItem *>(item);
    if (!current)
        return;
    m_currentElement = current->element();
    if (m_docBrowser)
        m_docBrowser->scrollToAnchor(m_currentElement.attribute(Attr::Doc));
    if (QAIsKeys::isPredefined(m_currentElement)) {
        current->setRenameEnabled(0, false);
        m_currentPredefined = true;
        m_removeButton->setEnabled(false);
    } else {
        current->setRenameEnabled(0, QAIsKeys::canRenameKey(m_currentElement));
        m_currentPredefined = false;
        // Stays disabled while an edit or an Add runs.
        m_removeButton->setEnabled(m_addButton->isEnabled());
    }
    current->setRenameEnabled(1, true);
    m_commentBox.refill(tr("Comment for \"%1\" item:").arg(current->text(0)),
                        childText(Tag::Comment, m_currentElement, 1));
}

void QAIsViewer::saveComment()
{
    // The node's own comment sits in its key container.
    const int depth = m_currentElement == m_element ? 2 : 1;
    setChildText(exactPlainText(m_commentBox.edit), Tag::Comment, m_currentElement, depth);
    setModified(true);
}

void QAIsViewer::startEdit(QTreeWidgetItem *item)
{
    if (auto *row = dynamic_cast<QAIsViewerItem *>(item))
        row->startRename(1);
}

void QAIsViewer::addRow()
{
    setButtonsEnabled(false);
    // The questions run an event loop in which the pane may be replaced (a binary file added
    // meanwhile selects its node); the add is then dropped.
    const QPointer<QAIsViewer> alive(this);
    const QDomElement container = QAIsKeys::container(m_element);
    if (QAIsKeys::keys(container).isEmpty()) {
        QADialogSeam::instance().message(
            parentWidget(), QMessageBox::Warning, tr("Moravel Editor", "error window title"),
            tr("A new key is made as a copy of an existing key, and this group has none.",
               "error window text"),
            QMessageBox::Ok);
        if (alive)
            setButtonsEnabled(true);
        return;
    }
    QString name;
    for (;;) {
        name.clear();
        const bool accepted = QADialogSeam::instance().getText(
            parentWidget(), tr("New Key", "add key window title"),
            tr("Enter the name of the new key:", "add key window text"), &name);
        if (!alive)
            return;
        if (!accepted || name.isEmpty()) {
            setButtonsEnabled(true);
            return;
        }
        if (!hasKey(name))
            break;
        QADialogSeam::instance().message(
            parentWidget(), QMessageBox::Warning, tr("Moravel Editor", "error window title"),
            tr("This key already exists, You must enter another key.", "error window text"),
            QMessageBox::Ok);
        if (!alive)
            return;
    }

    const QDomElement key
        = QAIsKeys::appendKey(container, name, tr("*** empty ***", "empty key value"));
    auto *item = new QAIsViewerItem(this, key);
    item->setRenameEnabled(0, true);
    item->setRenameEnabled(1, true);
    m_keyList->setCurrentItem(item);
    m_keyList->scrollToItem(item);
    setModified(true);
    setButtonsEnabled(true);
}

void QAIsViewer::removeRow()
{
    QAIsViewerItem *current = currentRow();
    if (!current)
        return;
    QAIsKeys::removeKey(QAIsKeys::container(m_element), current->element());
    setModified(true);
    // Taking the row makes a neighbour current, which shows its comment.
    delete m_keyList->takeTopLevelItem(m_keyList->indexOfTopLevelItem(current));
    if (QTreeWidgetItem *next = m_keyList->currentItem())
        m_keyList->setCurrentItem(next);
    else
        showNode(); // the comment box must not go on writing into the removed key
}

void QAIsViewer::moveRowUp()
{
    QAIsViewerItem *current = currentRow();
    const int index = m_keyList->indexOfTopLevelItem(current);
    if (!current || index < 1)
        return;
    QAIsViewerItem *above = row(index - 1);
    QAIsKeys::moveKeyBefore(QAIsKeys::container(m_element), current->element(), above->element());
    // Moving the neighbour keeps the current row current and selected.
    m_keyList->takeTopLevelItem(index - 1);
    m_keyList->insertTopLevelItem(index, above);
    m_keyList->scrollToItem(current);
    setModified(true);
}

void QAIsViewer::moveRowDown()
{
    QAIsViewerItem *current = currentRow();
    const int index = m_keyList->indexOfTopLevelItem(current);
    if (!current || index + 1 >= m_keyList->topLevelItemCount())
        return;
    QAIsViewerItem *below = row(index + 1);
    QAIsKeys::moveKeyAfter(QAIsKeys::container(m_element), current->element(), below->element());
    m_keyList->takeTopLevelItem(index + 1);
    m_keyList->insertTopLevelItem(index, below);
    m_keyList->scrollToItem(current);
    setModified(true);
}

void QAIsViewer::setButtonsEnabled(bool enabled)
{
    m_addButton->setEnabled(enabled);
    m_moveUpButton->setEnabled(enabled);
    m_moveDownButton->setEnabled(enabled);
    if (!m_currentPredefined)
        m_removeButton->setEnabled(enabled);
}

void QAIsViewer::openEditor(QAIsViewerItem *item, int column)
{
    m_keyList->openEditor(item, column);
}

QAIsViewerItem *QAIsViewer::row(int index) const
{
    return dynamic_cast<QAIsViewerItem *>(m_keyList->topLevelItem(index));
}

QAIsViewerItem *QAIsViewer::currentRow() const
{
    return dynamic_cast<QAIsViewerItem *>(m_keyList->currentItem());
}

bool QAIsViewer::hasKey(const QString &name) const
{
    for (int index = 0; index < m_keyList->topLevelItemCount(); ++index) {
        if (m_keyList->topLevelItem(index)->text(0) == name)
            return true;
    }
    return false;
}

QString QAIsViewer::nodeTitle() const
{
    return tr("Comment for \"%1\" node:").arg(translatedLabel(m_element));
}

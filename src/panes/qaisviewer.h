#pragma once

#include "panes/qacommentbox.h"
#include "panes/qazynviewer.h"

#include <QDomElement>
#include <QList>

class QAIsKeyList;
class QAIsViewerItem;
class QARenameDelegate;
class QAZynDocBrowser;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The key elements of a basic-settings element, kept apart from the widgets. The settings element
// holds one container whose children are the group's COMMENT and then one element per key.
namespace QAIsKeys {

QDomElement container(const QDomElement &settings);
// The key elements of the container, in document order.
QList<QDomElement> keys(const QDomElement &container);
// The KEY child's text for a user key, the tag for any other.
QString keyName(const QDomElement &key);
QString keyValue(const QDomElement &key);
bool isPredefined(const QDomElement &key);
// Whether a new name given to the key can be stored in the document.
bool canRenameKey(const QDomElement &key);

// Appends a user key named `name` to the container, copied from its first key; answers the new
// element, or a null one when the container has no key to copy.
QDomElement appendKey(QDomElement container, const QString &name, const QString &emptyValue);
void removeKey(QDomElement container, const QDomElement &key);
void moveKeyBefore(QDomElement container, const QDomElement &key, const QDomElement &before);
void moveKeyAfter(QDomElement container, const QDomElement &key, const QDomElement &after);

} // namespace QAIsKeys

// Pane of a basic-settings node: the key/value table of one language family, with a comment for
// the node and for each key.
class QAIsViewer : public QAZynViewer
{
    Q_OBJECT

public:
    QAIsViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);
    ~QAIsViewer() override;

    void showNode() override;
    void acceptOpenEdit() override;
    bool revealField(const QAFieldRef &field) override;

    QTreeWidget *keyList() const;
    QARenameDelegate *renameDelegate() const { return m_renameDelegate; }
    // The element whose comment the comment box edits.
    QDomElement currentElement() const { return m_currentElement; }

public Q_SLOTS:
    void updateItem(QTreeWidgetItem *item);

protected Q_SLOTS:
    void saveComment();
    void startEdit(QTreeWidgetItem *item);
    void addRow();
    void removeRow();
    void moveRowUp();
    void moveRowDown();

private:
    friend class QAIsViewerItem;

    void createKeyList(QWidget *box);
    void connectRenames();
    void setButtonsEnabled(bool enabled);
    void openEditor(QAIsViewerItem *item, int column);
    QAIsViewerItem *row(int index) const;
    QAIsViewerItem *currentRow() const;
    bool hasKey(const QString &name) const;
    QAIsViewerItem *rowOf(const QDomElement &key) const;
    QString nodeTitle() const;

    QDomElement m_element;
    QDomElement m_currentElement;
    QAZynDocBrowser *m_docBrowser = nullptr;
    // Title and editor of the comment for m_currentElement.
    QACommentBox m_commentBox;
    QAIsKeyList *m_keyList = nullptr;
    QARenameDelegate *m_renameDelegate = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_moveUpButton = nullptr;
    QPushButton *m_moveDownButton = nullptr;
    bool m_currentPredefined = false;
};

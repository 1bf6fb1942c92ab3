// Showing one field of the basic-settings pane: the key row brought forward, or the comment box.

#include "panes/fieldreveal.h"
#include "panes/qaisviewer.h"
#include "panes/qaisvieweritem.h"
#include "panes/qatextedit.h"

#include <QTreeWidget>

QAIsViewerItem *QAIsViewer::rowOf(const QDomElement &key) const
{
    for (int index = 0; index < keyList()->topLevelItemCount(); ++index) {
        QAIsViewerItem *item = row(index);
        if (item && item->element() == key)
            return item;
    }
    return nullptr;
}

bool QAIsViewer::revealField(const QAFieldRef &field)
{
    const bool isNode
        = field.element == m_element || field.element == QAIsKeys::container(m_element);
    if (field.kind == QAFieldRef::Comment && isNode) {
        showNode();
        FieldReveal::selectText(m_commentBox.edit, field);
        return true;
    }
    QAIsViewerItem *item = rowOf(field.element);
    if (!item)
        return false;
    const int column = field.kind == QAFieldRef::KeyValue ? 1 : 0;
    keyList()->setCurrentItem(item, column);
    keyList()->scrollToItem(item);
    // The row may be current already, when no change is reported: its comment is wanted anyway.
    updateItem(item);
    switch (field.kind) {
    case QAFieldRef::KeyName:
    case QAFieldRef::KeyValue:
        FieldReveal::focus(keyList());
        return true;
    case QAFieldRef::Comment:
        FieldReveal::selectText(m_commentBox.edit, field);
        return true;
    default:
        return false;
    }
}

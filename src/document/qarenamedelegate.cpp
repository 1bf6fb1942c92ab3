#include "document/qarenamedelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

QARenameDelegate::QARenameDelegate(Policy policy, QAbstractItemView *view)
    : QASizeHintDelegate(view)
    , m_policy(policy)
{ }

QWidget *QARenameDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    m_index = index;
    m_committed = false;
    return editor;
}

void QARenameDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    QStyledItemDelegate::setModelData(editor, model, index);
    if (editor == m_editor)
        m_committed = true;
}

void QARenameDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    const bool ours = editor == m_editor;
    const bool committed = m_committed;
    const QModelIndex edited = m_index;
    if (ours) {
        m_editor.clear();
        m_index = QPersistentModelIndex();
        m_committed = false;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
    if (!ours)
        return;
    auto *self = const_cast<QARenameDelegate *>(this);
    if (committed)
        Q_EMIT self->committed(edited);
    else
        Q_EMIT self->canceled(edited);
}

bool QARenameDelegate::commitOpenEditor()
{
    QWidget *editor = m_editor;
    if (!editor)
        return false;
    Q_EMIT commitData(editor);
    Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void QARenameDelegate::cancelOpenEditor()
{
    if (QWidget *editor = m_editor)
        Q_EMIT closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

bool QARenameDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && editor == m_editor && event->type() == QEvent::FocusOut) {
        // Focus that stays inside the editor (its own pop-ups) or leaves the window ends nothing.
        const QWidget *focus = QApplication::focusWidget();
        if (!focus || editor->isAncestorOf(focus) || focus == editor)
            return false;
        if (m_policy == Reject)
            cancelOpenEditor();
        else
            commitOpenEditor();
        return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

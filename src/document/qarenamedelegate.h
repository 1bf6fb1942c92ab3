#pragma once

#include "document/qasizehintdelegate.h"

#include <QPersistentModelIndex>
#include <QPointer>

class QAbstractItemView;

// In-place renaming for a view: tells when an edit is open, commits or drops it on demand, and
// reports how each edit ended. Under the Reject policy an edit whose editor loses the focus to
// another widget is dropped; under Accept it is committed.
class QARenameDelegate : public QASizeHintDelegate
{
    Q_OBJECT

public:
    enum Policy { Accept, Reject };

    QARenameDelegate(Policy policy, QAbstractItemView *view);

    bool isEditing() const { return !m_editor.isNull(); }
    QModelIndex editingIndex() const { return m_index; }
    // Writes the open editor's text into the model and closes it; false when none was open.
    bool commitOpenEditor();
    // Closes the open editor without writing.
    void cancelOpenEditor();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

Q_SIGNALS:
    // The edited text is in the model.
    void committed(const QModelIndex &index);
    void canceled(const QModelIndex &index);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    Policy m_policy;
    // The view asks the delegate through const functions; the edit session is still ours.
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
    mutable bool m_committed = false;
};

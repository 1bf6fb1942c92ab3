#include "app/qahistorydock.h"

#include "app/qaundokeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QUndoView>

QAHistoryDock::QAHistoryDock(QUndoStack *stack, QWidget *parent)
    : QDockWidget(tr("History"), parent)
    , m_stack(stack)
{
    setObjectName(QStringLiteral("historyDock"));
    toggleViewAction()->setText(tr("&History"));
    toggleViewAction()->setObjectName(QStringLiteral("editHistoryAction"));
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            view();
    });
}

QUndoView *QAHistoryDock::view()
{
    if (!m_view) {
        m_view = new QUndoView(m_stack, this);
        m_view->setObjectName(QStringLiteral("historyView"));
        m_view->setEmptyLabel(tr("Document opened"));
        setWidget(m_view);
    }
    return m_view;
}

QAHistoryDock *QAHistoryDock::install(QUndoStack *stack, QMainWindow *window, QMenu *editMenu,
                                      const QList<QAction *> &undoRedo)
{
    auto *dock = new QAHistoryDock(stack, window);
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    const QList<QAction *> entries = editMenu->actions();
    const qsizetype last = entries.indexOf(undoRedo.last());
    editMenu->insertAction(entries.value(last + 1), dock->toggleViewAction());
    QList<QKeySequence> keys;
    for (const QAction *action : undoRedo)
        keys.append(action->shortcut());
    new QAUndoKeys(window, keys);
    return dock;
}

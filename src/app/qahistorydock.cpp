#include "app/qahistorydock.h"

#include "app/qaundokeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QUndoView>

QAHistoryDock::QAHistoryDock(QUndoStack *stack, QWidget *parent)
    : QDockWidget(tr("History"), parent)
    , m_view(new QUndoView(stack, this))
{
    setObjectName(QStringLiteral("historyDock"));
    m_view->setObjectName(QStringLiteral("historyView"));
    m_view->setEmptyLabel(tr("Document opened"));
    setWidget(m_view);
    toggleViewAction()->setText(tr("&History"));
    toggleViewAction()->setObjectName(QStringLiteral("editHistoryAction"));
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

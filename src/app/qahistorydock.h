#pragma once

#include <QDockWidget>
#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QUndoStack;
class QUndoView;

// The document's history, one line per step; clicking a line takes the document there.
class QAHistoryDock : public QDockWidget
{
    Q_OBJECT

public:
    QAHistoryDock(QUndoStack *stack, QWidget *parent);

    // The list is made when first asked for or shown: nothing of it is needed before.
    QUndoView *view();

    // A hidden dock on the window, its entry under Undo and Redo in the menu, and their keys
    // routed to the window from any field.
    static QAHistoryDock *install(QUndoStack *stack, QMainWindow *window, QMenu *editMenu,
                                  const QList<QAction *> &undoRedo);

private:
    QUndoStack *m_stack;
    QUndoView *m_view = nullptr;
};

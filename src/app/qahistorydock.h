#pragma once

#include <QDockWidget>

class QUndoStack;
class QUndoView;

// The document's history, one line per step; clicking a line takes the document there.
class QAHistoryDock : public QDockWidget
{
    Q_OBJECT

public:
    QAHistoryDock(QUndoStack *stack, QWidget *parent);

    QUndoView *view() const { return m_view; }

private:
    QUndoView *m_view;
};

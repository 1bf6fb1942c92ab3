#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// Lets the window's undo and redo keys reach the window from any field: text fields claim them
// for their own undo otherwise, and there is one history, the document's.
class QAUndoKeys : public QObject
{
    Q_OBJECT

public:
    // Watches the keys that go to widgets of window.
    QAUndoKeys(QWidget *window, const QList<QKeySequence> &keys);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *m_window;
    QList<QKeySequence> m_keys;
};

#include "app/qaundokeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

QAUndoKeys::QAUndoKeys(QWidget *window, const QList<QKeySequence> &keys)
    : QObject(window)
    , m_window(window)
    , m_keys(keys)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool QAUndoKeys::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !object->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    // Not handed to the field, the key goes on to the window's shortcut.
    return m_keys.contains(pressed);
}

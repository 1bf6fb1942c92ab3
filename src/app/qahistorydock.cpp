#include "app/qahistorydock.h"

#include <QAction>
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

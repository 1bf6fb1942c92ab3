// Find in document: its action in the Edit menu, and its bar and results in a dock at the bottom.

#include "app/qamainwindoweditor.h"
#include "find/qafindindocument.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>

void QAMainWindowEditor::createFindInDocument()
{
    m_editFindInDocumentAction
        = createAction("editFindInDocumentAction", tr("Find in the whole document"),
                       tr("F&ind in Document..."), QKeySequence(Qt::CTRL | Qt::Key_F), "find_xpm");
    // Right after the reference page's own find, which keeps its place and its key.
    const QList<QAction *> entries = m_editMenu->actions();
    const qsizetype find = entries.indexOf(m_editFindAction);
    m_editMenu->insertAction(entries.value(find + 1), m_editFindInDocumentAction);

    auto *dock = new QDockWidget(tr("Find in Document"), this);
    dock->setObjectName(QStringLiteral("findInDocumentDock"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_findInDocument = new QAFindInDocument(m_editor, dock);
    dock->setWidget(m_findInDocument);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();

    connect(m_editFindInDocumentAction, &QAction::triggered, this, [this, dock] {
        dock->show();
        m_findInDocument->open();
    });
    connect(m_findInDocument, &QAFindInDocument::closed, dock, &QDockWidget::hide);
}

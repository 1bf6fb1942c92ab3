#include "find/qafindindocument.h"

#include "document/qazyneditor.h"
#include "document/qazyneditortree.h"
#include "find/qafindbar.h"
#include "find/qafindresults.h"
#include "find/qasearchnodes.h"

#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

// Edits come a keystroke at a time: the results follow once the user stops for a moment.
static constexpr int EditPauseMs = 400;

QAFindInDocument::QAFindInDocument(QAZynEditor *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_bar(new QAFindBar(this))
    , m_results(new QAFindResults(this))
    , m_refresh(new QTimer(this))
{
    setObjectName(QStringLiteral("findInDocument"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_results, 1);

    m_refresh->setSingleShot(true);
    m_refresh->setInterval(EditPauseMs);
    connect(m_refresh, &QTimer::timeout, this, &QAFindInDocument::refresh);
    connect(m_bar, &QAFindBar::searchChanged, this, &QAFindInDocument::search);
    connect(m_bar, &QAFindBar::nextRequested, this, &QAFindInDocument::findNext);
    connect(m_bar, &QAFindBar::previousRequested, this, &QAFindInDocument::findPrevious);
    connect(m_bar, &QAFindBar::closeRequested, this, &QAFindInDocument::close);
    connect(m_results, &QAFindResults::matchActivated, this, &QAFindInDocument::goToMatch);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QAFindInDocument::close);
    // Stepping on works from the field the last match landed in, anywhere in the window.
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, &QAFindInDocument::findNext);
    auto *previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), this);
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, &QAFindInDocument::findPrevious);

    if (editor) {
        connect(editor, &QAZynEditor::documentEdited, this, &QAFindInDocument::searchLater);
        // Nodes added, removed or renamed change what there is to find.
        QAbstractItemModel *model = editor->editorTree()->model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &QAFindInDocument::searchLater);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &QAFindInDocument::searchLater);
        connect(model, &QAbstractItemModel::dataChanged, this, &QAFindInDocument::searchLater);
        connect(model, &QAbstractItemModel::modelReset, this, &QAFindInDocument::searchLater);
    }
}

QDockWidget *QAFindInDocument::installDock(QAZynEditor *editor, QMainWindow *window,
                                           QAction *openAction)
{
    auto *dock = new QDockWidget(tr("Find in Document"), window);
    dock->setObjectName(QStringLiteral("findInDocumentDock"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    window->addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();

    // However the dock comes to be shown (its action, the window's dock menu), it has its panel.
    connect(dock, &QDockWidget::visibilityChanged, dock, [dock, editor](bool visible) {
        if (!visible || dock->widget())
            return;
        auto *panel = new QAFindInDocument(editor, dock);
        dock->setWidget(panel);
        connect(panel, &QAFindInDocument::closed, dock, &QDockWidget::hide);
    });
    connect(openAction, &QAction::triggered, dock, [dock] {
        dock->show();
        if (auto *panel = qobject_cast<QAFindInDocument *>(dock->widget()))
            panel->open();
    });
    return dock;
}

void QAFindInDocument::open()
{
    show();
    m_bar->focusField();
    if (!m_bar->text().isEmpty())
        search();
}

void QAFindInDocument::close()
{
    m_refresh->stop();
    hide();
    Q_EMIT closed();
}

void QAFindInDocument::searchLater()
{
    if (isVisible() && !m_bar->text().isEmpty())
        m_refresh->start();
}

void QAFindInDocument::search()
{
    runSearch();
    m_current = -1;
    showCount();
}

void QAFindInDocument::refresh()
{
    // After an edit the user stays where they are, and the next step goes on from there.
    const int place = m_current;
    runSearch();
    m_current = qMin(place, int(m_matches.size()) - 1);
    if (m_current >= 0)
        m_results->setCurrentMatch(m_current);
    showCount();
}

void QAFindInDocument::runSearch()
{
    m_refresh->stop();
    m_nodes = m_editor ? searchNodesOf(m_editor->editorTree()) : QList<QASearchNode>();
    const QADocumentSearch engine(m_bar->text(), m_bar->caseSensitivity(), m_bar->wholeWords());
    m_matches = engine.run(m_nodes);
    m_results->setMatches(m_matches, m_nodes);
}

void QAFindInDocument::findNext()
{
    if (m_matches.isEmpty())
        return;
    goToMatch((m_current + 1) % m_matches.size());
}

void QAFindInDocument::findPrevious()
{
    if (m_matches.isEmpty())
        return;
    goToMatch(m_current <= 0 ? m_matches.size() - 1 : m_current - 1);
}

void QAFindInDocument::goToMatch(int index)
{
    if (index < 0 || index >= m_matches.size() || !m_editor)
        return;
    m_current = index;
    m_results->setCurrentMatch(index);
    showCount();
    const QASearchMatch &match = m_matches.at(index);
    QTreeWidgetItem *node = m_editor->nodeOf(m_nodes.value(match.node).element);
    m_editor->revealField(node, match.field);
}

void QAFindInDocument::showCount()
{
    m_bar->showCount(m_current, m_matches.size());
}

#pragma once

#include "find/qadocumentsearch.h"

#include <QPointer>
#include <QWidget>

class QAFindBar;
class QAFindResults;
class QAZynEditor;
class QAction;
class QDockWidget;
class QMainWindow;
class QTimer;

// Find in document: the find bar above the list of matches. It searches the editor area's
// document as its tree shows it, again after each pause in typing and after edits, and goes to a
// match by having the editor area reveal its field. Searching only reads the document.
class QAFindInDocument : public QWidget
{
    Q_OBJECT

public:
    QAFindInDocument(QAZynEditor *editor, QWidget *parent = nullptr);

    // A dock at the bottom of the window, hidden until openAction opens it and hidden again when
    // the panel closes. The panel itself is made when the dock is first shown: nothing of it is
    // needed before.
    static QDockWidget *installDock(QAZynEditor *editor, QMainWindow *window, QAction *openAction);

    QAFindBar *bar() const { return m_bar; }
    QAFindResults *results() const { return m_results; }
    const QList<QASearchMatch> &matches() const { return m_matches; }
    const QList<QASearchNode> &nodes() const { return m_nodes; }
    int currentMatch() const { return m_current; }

public Q_SLOTS:
    // Shows the panel with the field focused.
    void open();
    void close();
    void search();
    void findNext();
    void findPrevious();
    void goToMatch(int index);

Q_SIGNALS:
    void closed();

private:
    void searchLater();
    void refresh();
    void runSearch();
    void showCount();

    QPointer<QAZynEditor> m_editor;
    QAFindBar *m_bar = nullptr;
    QAFindResults *m_results = nullptr;
    QTimer *m_refresh = nullptr;
    QList<QASearchNode> m_nodes;
    QList<QASearchMatch> m_matches;
    int m_current = -1;
};

#pragma once

#include "dialogs/qasearchrequest.h"

#include "panes/qaplaintextedit.h"

class QAzynFindDialog;
class QMenu;

// The code editor of free-text and function panes, with find, find next and go to line; its
// lines are numbered as the go-to prompt counts them.
class QAZynTextEdit : public QAPlainTextEdit
{
    Q_OBJECT

public:
    // lineOffset: lines that precede the fragment in the file it ends up in.
    explicit QAZynTextEdit(QWidget *parent, int lineOffset, const QString &name = QString());

    // The standard context menu followed by find, find next and go to; the caller owns it.
    QMenu *createPopupMenu(const QPoint &position);

public Q_SLOTS:
    void findDialog();
    void findDialogSearch();
    void findInText(const QASearchRequest &request);
    void gotoDialog();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QAzynFindDialog *m_findDialog = nullptr;
};

#include "dialogs/qazyntextedit.h"

#include "dialogs/qazynfinddialog.h"
#include "panes/qalonglines.h"
#include "sdk/getpix.h"
#include "services/qadialogseam.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextBlock>

QAZynTextEdit::QAZynTextEdit(QWidget *parent, int lineOffset, const QString &name)
    : QAPlainTextEdit(parent)
{
    setObjectName(name);
    makeCodeField(lineOffset);
}

QMenu *QAZynTextEdit::createPopupMenu(const QPoint &position)
{
    QMenu *menu = createStandardContextMenu(position);
    const QIcon findIcon(
        GETPIX(QStringLiteral("find_xpm"), builtinImage(QStringLiteral("find_xpm"))));
    menu->addSeparator();
    menu->addAction(findIcon, tr("Find..."), this, &QAZynTextEdit::findDialog);
    menu->addAction(findIcon, tr("Find next occurence"), this, &QAZynTextEdit::findDialogSearch);
    menu->addSeparator();
    menu->addAction(tr("go to"), this, &QAZynTextEdit::gotoDialog);
    return menu;
}

void QAZynTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // Not exec(): the pane, and the menu with it, may be replaced while the menu is open (a binary
    // file added meanwhile selects its node).
    QMenu *menu = createPopupMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void QAZynTextEdit::findDialog()
{
    if (!m_findDialog) {
        m_findDialog = new QAzynFindDialog(this, QStringLiteral("freeTextFind"), true);
        connect(m_findDialog, &QAzynFindDialog::search, this, &QAZynTextEdit::findInText);
    }
    // Not a question: the dialog stays up while the user searches through it.
    m_findDialog->show();
    m_findDialog->raise();
    m_findDialog->activateWindow();
}

void QAZynTextEdit::findDialogSearch()
{
    QASearchRequest request;
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        request.pattern = cursor.selectedText();
    else if (m_findDialog)
        request = m_findDialog->searchRequest();
    findInText(request);
}

void QAZynTextEdit::findInText(const QASearchRequest &request)
{
    // Starting one past the cursor steps over the match the cursor stands on. A match is selected
    // with the cursor at its end: counting from its beginning still finds one right behind it.
    const int start = textCursor().selectionStart() + 1;
    if (request.pattern.isEmpty())
        return;

    QTextDocument::FindFlags flags;
    if (request.caseSensitivity == Qt::CaseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    if (request.wildcard)
        flags |= QTextDocument::FindWholeWords;

    QTextCursor hit;
    if (start < document()->characterCount())
        hit = document()->find(request.pattern, start, flags);
    if (hit.isNull())
        hit = document()->find(request.pattern, 0, flags);
    if (!hit.isNull()) {
        setTextCursor(hit);
        ensureCursorVisible();
    }
}

void QAZynTextEdit::gotoDialog()
{
    const int minimum = lineOffset() + 1;
    const int maximum = lineCount() + lineOffset();
    int value = qBound(minimum, 10, maximum);
    if (!QADialogSeam::instance().getInt(this, tr("Goto line"), tr("Please enter the line number"),
                                         &value, minimum, maximum, 1))
        return;

    const int line = qBound(0, value - lineOffset() - 1, lineCount() - 1);
    const QTextBlock block = QALongLines::firstBlockOfLine(document(), line);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qMin(1, block.length() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
}

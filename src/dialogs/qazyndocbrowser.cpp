#include "dialogs/qazyndocbrowser.h"

#include "sdk/getpix.h"
#include "services/statusduration.h"

#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

QAZynDocBrowser::QAZynDocBrowser(QWidget *parent, const QString &name)
    : QTextBrowser(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(1);
    setMidLineWidth(2);
    // Blocks without an alignment of their own follow the document's default.
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignJustify);
    document()->setDefaultTextOption(option);
}

void QAZynDocBrowser::setReferencePage(const QUrl &url)
{
    m_pendingPage = url;
    m_pendingAnchor.clear();
    m_loadScheduled = false;
    if (isVisible())
        ensureLoaded();
}

void QAZynDocBrowser::ensureLoaded()
{
    if (m_pendingPage.isEmpty())
        return;
    const QUrl page = m_pendingPage;
    m_pendingPage.clear();
    setSource(page);
    if (!m_pendingAnchor.isEmpty())
        QTextBrowser::scrollToAnchor(m_pendingAnchor);
    m_pendingAnchor.clear();
}

void QAZynDocBrowser::scrollToAnchor(const QString &name)
{
    if (!m_pendingPage.isEmpty() && !isVisible()) {
        m_pendingAnchor = name;
        return;
    }
    ensureLoaded();
    QTextBrowser::scrollToAnchor(name);
}

void QAZynDocBrowser::paintEvent(QPaintEvent *event)
{
    QTextBrowser::paintEvent(event);
    // The window's first frame goes out without the page; the page follows at once.
    if (!m_pendingPage.isEmpty() && !m_loadScheduled) {
        m_loadScheduled = true;
        QTimer::singleShot(0, this, &QAZynDocBrowser::ensureLoaded);
    }
}

QMenu *QAZynDocBrowser::createPopupMenu(const QPoint &position)
{
    QMenu *menu = createStandardContextMenu(position);
    menu->addSeparator();
    const QString text = tr("Find next occurence") + QLatin1Char('\t')
        + QKeySequence(Qt::Key_F3).toString(QKeySequence::NativeText);
    QAction *find = menu->addAction(
        QIcon(GETPIX(QStringLiteral("find_xpm"), builtinImage(QStringLiteral("find_xpm")))), text);
    connect(find, &QAction::triggered, this, &QAZynDocBrowser::findDialogSearch);
    return menu;
}

void QAZynDocBrowser::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createPopupMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void QAZynDocBrowser::findInDocStart(const QString &text)
{
    m_findText = text;
}

void QAZynDocBrowser::findInDoc(const QASearchRequest &request)
{
    if (request.pattern.isEmpty())
        return;
    ensureLoaded();
    // A match is selected with the cursor at its end: starting one past its beginning still finds
    // an occurrence that follows it directly.
    const QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    m_searchParagraph = block.blockNumber();
    m_searchIndex = cursor.selectionStart() - block.position() + 1;
    if (findFrom(request))
        return;
    m_searchParagraph = 0;
    m_searchIndex = 0;
    findFrom(request);
    Q_EMIT statusMsg(tr("Search hit bottom, continuing at top"), StatusDuration::Result);
}

bool QAZynDocBrowser::findFrom(const QASearchRequest &request)
{
    const QTextBlock block = document()->findBlockByNumber(m_searchParagraph);
    const int start = block.isValid() ? block.position() + m_searchIndex : 0;
    QTextDocument::FindFlags flags;
    if (request.caseSensitivity == Qt::CaseSensitive)
        flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor found = document()->find(request.pattern, start, flags);
    if (found.isNull())
        return false;
    setTextCursor(found);
    return true;
}

void QAZynDocBrowser::findDialogSearch()
{
    QASearchRequest request;
    const QString selected = textCursor().selectedText();
    request.pattern = selected.isEmpty() ? m_findText : selected;
    request.caseSensitivity = Qt::CaseSensitive;
    findInDoc(request);
}

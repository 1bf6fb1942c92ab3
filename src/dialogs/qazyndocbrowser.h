#pragma once

#include "dialogs/qasearchrequest.h"

#include <QTextBrowser>

class QMenu;

// The reference documentation viewer, searchable from the find bar.
class QAZynDocBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit QAZynDocBrowser(QWidget *parent = nullptr, const QString &name = QString());

    // The standard menu plus "Find next occurence"; owned by the caller.
    QMenu *createPopupMenu(const QPoint &position);

    QString findText() const { return m_findText; }

    // The reference page, read and laid out once the viewer has drawn its first frame (or sooner,
    // when it is searched or scrolled while shown): laid out while hidden it would be laid out
    // again at each size the window takes on its way up, and the window would wait for it.
    void setReferencePage(const QUrl &url);
    // Reads the reference page now, if it waits.
    void ensureLoaded();
    // Shows the anchor; while the page waits unseen, the last anchor asked for is shown once it
    // is read.
    void scrollToAnchor(const QString &name);

public Q_SLOTS:
    void findInDocStart(const QString &text);
    void findInDoc(const QASearchRequest &request);
    void findDialogSearch();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool findFrom(const QASearchRequest &request);

    int m_searchParagraph = 0;
    int m_searchIndex = 0;
    QString m_findText;
    QUrl m_pendingPage;
    QString m_pendingAnchor;
    bool m_loadScheduled = false;
};

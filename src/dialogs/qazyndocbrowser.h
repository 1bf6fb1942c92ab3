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

public Q_SLOTS:
    void findInDocStart(const QString &text);
    void findInDoc(const QASearchRequest &request);
    void findDialogSearch();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool findFrom(const QASearchRequest &request);

    int m_searchParagraph = 0;
    int m_searchIndex = 0;
    QString m_findText;
};

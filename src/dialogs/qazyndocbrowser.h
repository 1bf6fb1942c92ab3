#pragma once

#include "dialogs/qasearchrequest.h"

#include <QTextBrowser>

// The reference documentation viewer, searchable from the find bar.
class QAZynDocBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit QAZynDocBrowser(QWidget *parent = nullptr, const QString &name = QString());

public Q_SLOTS:
    void findInDocStart(const QString &text);
    void findInDoc(const QASearchRequest &request);
    void findDialogSearch();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

private:
    QString m_findText;
};

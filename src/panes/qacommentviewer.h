#pragma once

#include "panes/qazynviewer.h"

#include <QDomElement>

class QAZynDocBrowser;
class QATextEdit;

// The pane of nodes that have nothing to edit but their comment.
class QACommentViewer : public QAZynViewer
{
    Q_OBJECT

public:
    QACommentViewer(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void saveComment();

private:
    QString titleSubject() const;

    QDomElement element;
    QAZynDocBrowser *docBrowser;
    QATextEdit *commentEdit;
};

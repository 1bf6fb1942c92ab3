#pragma once

#include "panes/qanodeviewer.h"

// The pane of nodes that have nothing to edit but their comment.
class QACommentViewer : public QANodeViewer
{
    Q_OBJECT

public:
    QACommentViewer(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser);

    bool revealField(const QAFieldRef &field) override;

private:
    QString titleSubject() const;
};

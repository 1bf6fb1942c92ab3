#pragma once

#include "panes/qacommentbox.h"
#include "panes/qazynviewer.h"

#include <QDomElement>

class QAZynDocBrowser;
class QAZynTextEdit;
class QLabel;

// The function pane: the body of one function between its fixed prototype and tail lines.
class QAFctViewer : public QAZynViewer
{
    Q_OBJECT

public:
    QAFctViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void saveText();
    void saveComment();

private:
    QDomElement element;
    QAZynDocBrowser *docBrowser;
    QAZynTextEdit *textEdit;
    QLabel *protoLabel;
    QLabel *tailLabel;
    QACommentBox comment;
};

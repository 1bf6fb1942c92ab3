#pragma once

#include "panes/qacommentbox.h"
#include "panes/qazynviewer.h"

#include <QDomElement>

class QAZynDocBrowser;
class QBoxLayout;

// The item pane: one row per macro of the node, and a comment box that follows the macro the
// user works on.
class QAItemViewer : public QAZynViewer
{
    Q_OBJECT

public:
    QAItemViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void updateComment(QDomElement &macro);
    void itemHasChanged();
    void saveComment();

private:
    void addMacro(const QDomElement &macro, QWidget *box, QBoxLayout *boxLayout);
    void refillComment(const QString &title);

    QAZynDocBrowser *docBrowser;
    QACommentBox comment;
    QDomElement currentElement;
    QDomElement element;
};

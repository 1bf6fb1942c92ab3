#pragma once

#include "panes/qanodeviewer.h"

class QBoxLayout;

// The item pane: one row per macro of the node, and a comment box that follows the macro the
// user works on.
class QAItemViewer : public QANodeViewer
{
    Q_OBJECT

public:
    QAItemViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void updateComment(QDomElement &macro);
    void itemHasChanged();

private:
    void addMacro(const QDomElement &macro, QWidget *box, QBoxLayout *boxLayout);
};

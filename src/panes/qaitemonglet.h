#pragma once

#include <QDomElement>
#include <QWidget>

// An item tab of the choice pane: the macros of one ONGLET, as in the item pane.
class QAItemOnglet : public QWidget
{
    Q_OBJECT

public:
    QAItemOnglet(const QDomElement &onglet, QWidget *parent);

Q_SIGNALS:
    // The user works on a macro of the tab; the pane shows its comment.
    void itemPressed(QDomElement &element);
    void ongletModified();

protected Q_SLOTS:
    void myPressed(QDomElement &macro);
    void itemHasChanged();

private:
    QDomElement element;
};

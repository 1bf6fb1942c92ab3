#pragma once

#include "panes/qaonglet.h"

// An item tab of the choice pane: the macros of one ONGLET, as in the item pane.
class QAItemOnglet : public QAOnglet
{
    Q_OBJECT

public:
    QAItemOnglet(const QDomElement &onglet, QWidget *parent);

protected Q_SLOTS:
    void myPressed(QDomElement &macro);
    void itemHasChanged();
};

#pragma once

#include "panes/qanodeviewer.h"

#include <QDomElement>
#include <QList>

class QComboBox;
class QTabWidget;

// The choice pane: the alternatives of a choice in a combo box, the node's code and macros in
// tabs usable only while a sensitive alternative is selected, and a comment box that follows the
// node, the tab or the item the user works on.
class QAChoiceViewer : public QANodeViewer
{
    Q_OBJECT

public:
    QAChoiceViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void ongletHasChanged();
    void enableTab(int index);
    void updateComment(int tabIndex);
    void updateItemComment(QDomElement &e);

private:
    QDomElement choiceElement() const;
    void fillChoices(const QDomElement &choice);
    void addTabs(const QDomElement &choice);
    // Sensitivity of the CHOICEDATA at that position among its kind (from 0).
    bool isSensitive(int index) const;
    // The element with that tag at that position among its kind under CHOICE (from 0).
    QDomElement nthChild(const QString &tag, int index) const;
    bool isEntrySensitive(int comboIndex) const;
    // The tab showing the element (an ONGLET or anything inside one); -1 when none does.
    int tabShowing(const QDomElement &inside) const;
    bool revealInTab(const QAFieldRef &field);
    void revealComment(const QAFieldRef &field);

    QComboBox *choiceBox;
    QTabWidget *tabWidget;
    // The ONGLET position of each tab: ONGLETs that make no tab leave gaps.
    QList<int> tabOnglets;
};

#pragma once

#include "find/qadocumentsearch.h"

#include <QTreeView>

class QAFindResultsModel;

// The matches of a document search, one row each: the node's path, the field and the line that
// holds the match. Double-click or Return on a row asks to go there. Rows are made as they are
// shown, so that a word found ten thousand times lists at once.
class QAFindResults : public QTreeView
{
    Q_OBJECT

public:
    explicit QAFindResults(QWidget *parent = nullptr);

    void setMatches(const QList<QASearchMatch> &matches, const QList<QASearchNode> &nodes);
    // Marks the row of the match shown, without asking to go there.
    void setCurrentMatch(int index);

    // What the Field column says for a match: the kind of field, and whose it is.
    static QString fieldName(const QASearchMatch &match);
    static QString kindName(QAFieldRef::Kind kind);

Q_SIGNALS:
    void matchActivated(int index);

private:
    QAFindResultsModel *m_model = nullptr;
};

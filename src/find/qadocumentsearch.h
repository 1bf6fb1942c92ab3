#pragma once

#include "panes/qafieldref.h"

#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringMatcher>

// One node of the structure tree as a search sees it: the element its pane edits, the line the
// tree shows for it and the kind of pane, which decides the fields searched.
struct QASearchNode
{
    enum Pane {
        NoPane,
        CommentPane,
        FreeTextPane,
        SettingsPane,
        FunctionPane,
        ItemPane,
        ChoicePane
    };

    QDomElement element;
    QString text;
    // The texts of the node and its ancestors below the root, joined with " › ".
    QString path;
    Pane pane = NoPane;
};

// One occurrence of the searched text: the node, the field with the range that matched, and the
// line of the field's text that holds it.
struct QASearchMatch
{
    int node = -1;
    QAFieldRef field;
    QString line;
    // The key, macro or tab the field belongs to, as the pane names it; empty for the node's own.
    QString subject;
};

// Finds a literal text in every field the panes show, without building any pane: the document
// is only read, in the order of the nodes given and, within a node, in the order its pane shows
// its fields.
class QADocumentSearch
{
public:
    explicit QADocumentSearch(const QString &text,
                              Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive,
                              bool wholeWords = false);

    QList<QASearchMatch> run(const QList<QASearchNode> &nodes) const;

    // The matches in one text, as ranges (start, length), in order.
    QList<QPair<int, int>> rangesIn(const QString &text) const;

private:
    class Collector;

    void searchNode(Collector &collector, const QASearchNode &node) const;
    void searchSettings(Collector &collector, const QDomElement &element) const;
    void searchFunction(Collector &collector, const QDomElement &function, bool withComment,
                        const QString &subject = QString()) const;
    void searchMacros(Collector &collector, const QDomElement &parent,
                      const QStringList &tags) const;
    void searchChoice(Collector &collector, const QDomElement &element) const;
    void searchTab(Collector &collector, const QDomElement &onglet) const;
    bool isWholeWord(const QString &text, int start) const;

    QString m_text;
    QStringMatcher m_matcher;
    bool m_wholeWords;
};

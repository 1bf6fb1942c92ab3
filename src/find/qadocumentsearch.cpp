#include "find/qadocumentsearch.h"

#include "document/domtext.h"
#include "document/zynformat.h"
#include "panes/qaisviewer.h"

#include <QCoreApplication>

namespace {

// Longer lines are cut around the match, so that a single-line fragment of megabytes does not
// land in the results list whole.
constexpr int MaxLineLength = 240;
constexpr int ContextBefore = 80;

QString lineAround(const QString &text, int start, int length)
{
    const int lineStart = start > 0 ? text.lastIndexOf(QLatin1Char('\n'), start - 1) + 1 : 0;
    int lineEnd = text.indexOf(QLatin1Char('\n'), start + length);
    if (lineEnd < 0)
        lineEnd = text.size();
    if (lineEnd - lineStart <= MaxLineLength)
        return text.mid(lineStart, lineEnd - lineStart);
    const int from = qMax(lineStart, start - ContextBefore);
    const int to = qMin(lineEnd, from + MaxLineLength);
    const QChar ellipsis(0x2026);
    return (from > lineStart ? QString(ellipsis) : QString()) + text.mid(from, to - from)
        + (to < lineEnd ? QString(ellipsis) : QString());
}

QString translated(const char *context, const QString &source)
{
    const QByteArray utf8 = source.toUtf8();
    return QCoreApplication::translate(context, utf8.constData());
}

QString documentLabel(const QDomElement &element)
{
    return translated("XDP Labels", element.attribute(Zyn::Attr::Label));
}

// The macro widgets translate a macro's name in their own class's context.
const char *macroContext(const QString &tag)
{
    if (Zyn::binaryMacroTags().contains(tag))
        return "QABinaryMacro";
    if (Zyn::optionalMacroTags().contains(tag))
        return "QAOptionnalMacro";
    return "QATextMacro";
}

QDomElement functionOf(const QDomElement &element)
{
    for (const QString &tag : Zyn::functionTags()) {
        const QDomElement function = element.firstChildElement(tag);
        if (!function.isNull())
            return function;
    }
    return QDomElement();
}

} // namespace

// Adds the matches of one field after another, for the node being searched.
class QADocumentSearch::Collector
{
public:
    Collector(const QADocumentSearch &search, QList<QASearchMatch> &matches)
        : m_search(search)
        , m_matches(matches)
    { }

    void setNode(int node) { m_node = node; }

    void add(const QDomElement &element, QAFieldRef::Kind kind, const QString &text,
             const QString &subject = QString())
    {
        if (text.size() < m_search.m_text.size())
            return;
        for (const auto &[start, length] : m_search.rangesIn(text)) {
            QASearchMatch match;
            match.node = m_node;
            match.field.element = element;
            match.field.kind = kind;
            match.field.start = start;
            match.field.length = length;
            match.line = lineAround(text, start, length);
            match.subject = subject;
            m_matches.append(match);
        }
    }

private:
    const QADocumentSearch &m_search;
    QList<QASearchMatch> &m_matches;
    int m_node = -1;
};

QADocumentSearch::QADocumentSearch(const QString &text, Qt::CaseSensitivity caseSensitivity,
                                   bool wholeWords)
    : m_text(text)
    , m_matcher(text, caseSensitivity)
    , m_wholeWords(wholeWords)
{ }

QList<QASearchMatch> QADocumentSearch::run(const QList<QASearchNode> &nodes) const
{
    QList<QASearchMatch> matches;
    if (m_text.isEmpty())
        return matches;
    Collector collector(*this, matches);
    for (int index = 0; index < nodes.size(); ++index) {
        collector.setNode(index);
        searchNode(collector, nodes.at(index));
    }
    return matches;
}

QList<QPair<int, int>> QADocumentSearch::rangesIn(const QString &text) const
{
    QList<QPair<int, int>> ranges;
    if (m_text.isEmpty())
        return ranges;
    for (qsizetype at = m_matcher.indexIn(text); at >= 0;) {
        if (!m_wholeWords || isWholeWord(text, int(at))) {
            ranges.append({ int(at), int(m_text.size()) });
            at = m_matcher.indexIn(text, at + m_text.size());
        } else {
            at = m_matcher.indexIn(text, at + 1);
        }
    }
    return ranges;
}

bool QADocumentSearch::isWholeWord(const QString &text, int start) const
{
    // Only an edge that is part of a word must not run on into one: "-fno-rtti" is found whole
    // after a blank or a quote alike.
    const auto isWordChar = [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_');
    };
    const int end = start + int(m_text.size());
    if (start > 0 && isWordChar(m_text.front()) && isWordChar(text.at(start - 1)))
        return false;
    if (end < text.size() && isWordChar(m_text.back()) && isWordChar(text.at(end)))
        return false;
    return true;
}

void QADocumentSearch::searchNode(Collector &collector, const QASearchNode &node) const
{
    const QDomElement &element = node.element;
    collector.add(element, QAFieldRef::NodeText, node.text);
    switch (node.pane) {
    case QASearchNode::NoPane:
        return;
    case QASearchNode::CommentPane:
        break;
    case QASearchNode::FreeTextPane:
        collector.add(element, QAFieldRef::Text, childText(Zyn::Tag::ValueText, element, 1));
        break;
    case QASearchNode::SettingsPane:
        searchSettings(collector, element);
        return;
    case QASearchNode::FunctionPane:
        searchFunction(collector, functionOf(element), false);
        break;
    case QASearchNode::ItemPane:
        searchMacros(collector, element,
                     Zyn::textMacroTags() + Zyn::binaryMacroTags() + Zyn::optionalMacroTags());
        break;
    case QASearchNode::ChoicePane:
        searchChoice(collector, element);
        break;
    }
    collector.add(element, QAFieldRef::Comment, childText(Zyn::Tag::Comment, element, 1));
}

void QADocumentSearch::searchSettings(Collector &collector, const QDomElement &element) const
{
    const QList<QDomElement> keys = QAIsKeys::keys(QAIsKeys::container(element));
    for (const QDomElement &key : keys) {
        const QString name = QAIsKeys::keyName(key);
        collector.add(key, QAFieldRef::KeyName, name);
        collector.add(key, QAFieldRef::KeyValue, QAIsKeys::keyValue(key), name);
        collector.add(key, QAFieldRef::Comment, childText(Zyn::Tag::Comment, key, 1), name);
    }
    collector.add(element, QAFieldRef::Comment, childText(Zyn::Tag::Comment, element, 2));
}

void QADocumentSearch::searchFunction(Collector &collector, const QDomElement &function,
                                      bool withComment, const QString &subject) const
{
    if (function.isNull())
        return;
    const auto text = [&function](const QString &tag) {
        return childText(tag, function, 1);
    };
    collector.add(function, QAFieldRef::Prototype, text(Zyn::Tag::Proto), subject);
    collector.add(function, QAFieldRef::Text, text(Zyn::Tag::ValueText), subject);
    collector.add(function, QAFieldRef::Tail, text(Zyn::Tag::Tail), subject);
    if (withComment)
        collector.add(function, QAFieldRef::Comment, text(Zyn::Tag::Comment), subject);
}

void QADocumentSearch::searchMacros(Collector &collector, const QDomElement &parent,
                                    const QStringList &tags) const
{
    // A macro stands first inside a wrapper, as the panes read it.
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomElement macro = child.firstChild().toElement();
        if (!child.isElement() || macro.isNull() || !tags.contains(macro.tagName()))
            continue;
        const QString tag = macro.tagName();
        const QString name = macro.attribute(Zyn::Attr::Name);
        collector.add(macro, QAFieldRef::MacroName, translated(macroContext(tag), name));
        if (Zyn::optionalMacroTags().contains(tag))
            collector.add(macro, QAFieldRef::MacroValue, macro.attribute(Zyn::Attr::Value), name);
        else if (!Zyn::binaryMacroTags().contains(tag))
            collector.add(macro, QAFieldRef::MacroValue, childText(Zyn::Tag::ValueText, macro, 1),
                          name);
        collector.add(macro, QAFieldRef::Comment, childText(Zyn::Tag::Comment, macro, 1), name);
    }
}

void QADocumentSearch::searchChoice(Collector &collector, const QDomElement &element) const
{
    const QDomElement choice = element.firstChildElement(Zyn::Tag::Choice);
    if (choice.isNull())
        return;
    collector.add(choice, QAFieldRef::ChoiceName, choice.attribute(Zyn::Attr::Name));
    for (QDomElement data = choice.firstChildElement(Zyn::Tag::ChoiceData); !data.isNull();
         data = data.nextSiblingElement(Zyn::Tag::ChoiceData)) {
        const QDomNode text = data.firstChild();
        if (text.isText())
            collector.add(data, QAFieldRef::ChoiceEntry, text.toCharacterData().data());
    }
    for (QDomElement onglet = choice.firstChildElement(Zyn::Tag::Onglet); !onglet.isNull();
         onglet = onglet.nextSiblingElement(Zyn::Tag::Onglet))
        searchTab(collector, onglet);
}

void QADocumentSearch::searchTab(Collector &collector, const QDomElement &onglet) const
{
    const QDomElement content = onglet.firstChild().toElement();
    const bool isCode = Zyn::codeTabTags().contains(content.tagName());
    if (!isCode && content.tagName() != Zyn::Tag::Item)
        return; // no tab is made for it
    const QString label = documentLabel(onglet);
    collector.add(onglet, QAFieldRef::TabLabel, label);
    if (isCode) {
        searchFunction(collector, content, true, label);
        return;
    }
    searchMacros(collector, onglet, Zyn::itemTabMacroTags());
    collector.add(content, QAFieldRef::Comment, childText(Zyn::Tag::Comment, content, 1), label);
}

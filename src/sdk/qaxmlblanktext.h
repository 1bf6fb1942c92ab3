#pragma once

#include <QDomDocument>
#include <QHash>
#include <QPair>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

// The DOM drops every blank text node. Between elements that is what the editor wants, but inside
// an element without element children ("<VALUE>   </VALUE>", a carried file of blank lines) the
// blanks are the content. This notes such text while the reader's pass reads the document and puts
// it back into the parsed DOM, so that a save writes the element as it was read.
class QAXmlBlankText
{
public:
    // Follows the reader's tokens; call for every token the reader yields.
    void readToken(const QXmlStreamReader &reader);

    bool isEmpty() const { return m_kept.isEmpty(); }
    void clear();

    // Gives the elements noted their blank text back. An element whose children no longer match
    // what was read is left as the DOM has it.
    void restore(QDomDocument &document) const;

private:
    enum class Kind { Blank, Text, CData, Comment, Instruction, Reference };
    struct Piece
    {
        Kind kind;
        QString blank;
    };
    struct Open
    {
        QPair<int, int> position;
        size_t firstPiece;
        bool hasElementChild = false;
        bool hasBlank = false;
    };
    using Pieces = std::vector<Piece>;

    void add(Kind kind, const QString &blank = QString());
    static bool matches(const QDomNode &node, Kind kind);
    static void restoreElement(QDomElement &element, const Pieces &pieces);

    // Pieces of the innermost open elements that have no element child yet, outermost first.
    Pieces m_pieces;
    std::vector<Open> m_open;
    // By the position where the element's start tag ended, as QDomNode reports it.
    QHash<QPair<int, int>, Pieces> m_kept;
};

#include "sdk/qaxmlblanktext.h"

void QAXmlBlankText::clear()
{
    m_pieces.clear();
    m_open.clear();
    m_kept.clear();
}

void QAXmlBlankText::add(Kind kind, const QString &blank)
{
    if (m_open.empty() || m_open.back().hasElementChild)
        return;
    m_pieces.push_back(Piece { kind, blank });
    if (kind == Kind::Blank)
        m_open.back().hasBlank = true;
}

void QAXmlBlankText::readToken(const QXmlStreamReader &reader)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartElement:
        if (!m_open.empty() && !m_open.back().hasElementChild) {
            m_open.back().hasElementChild = true;
            m_pieces.resize(m_open.back().firstPiece);
        }
        m_open.push_back(Open { qMakePair(int(reader.lineNumber()), int(reader.columnNumber())),
                                m_pieces.size() });
        break;
    case QXmlStreamReader::EndElement: {
        if (m_open.empty())
            break;
        const Open closed = m_open.back();
        m_open.pop_back();
        if (!closed.hasElementChild && closed.hasBlank)
            m_kept.insert(closed.position,
                          Pieces(m_pieces.begin() + qsizetype(closed.firstPiece), m_pieces.end()));
        m_pieces.resize(closed.firstPiece);
        break;
    }
    case QXmlStreamReader::Characters:
        // What the DOM drops: text that is blank once references are resolved, CDATA excepted.
        if (reader.isCDATA())
            add(Kind::CData);
        else if (reader.text().trimmed().isEmpty())
            add(Kind::Blank, reader.text().toString());
        else
            add(Kind::Text);
        break;
    case QXmlStreamReader::Comment:
        add(Kind::Comment);
        break;
    case QXmlStreamReader::ProcessingInstruction:
        add(Kind::Instruction);
        break;
    case QXmlStreamReader::EntityReference:
        add(Kind::Reference);
        break;
    default:
        break;
    }
}

bool QAXmlBlankText::matches(const QDomNode &node, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return node.nodeType() == QDomNode::TextNode;
    case Kind::CData:
        return node.nodeType() == QDomNode::CDATASectionNode;
    case Kind::Comment:
        return node.nodeType() == QDomNode::CommentNode;
    case Kind::Instruction:
        return node.nodeType() == QDomNode::ProcessingInstructionNode;
    case Kind::Reference:
        return node.nodeType() == QDomNode::EntityReferenceNode;
    case Kind::Blank:
        break;
    }
    return false;
}

void QAXmlBlankText::restoreElement(QDomElement &element, const Pieces &pieces)
{
    QDomNode child = element.firstChild();
    for (const Piece &piece : pieces) {
        if (piece.kind == Kind::Blank)
            continue;
        if (child.isNull() || !matches(child, piece.kind))
            return;
        child = child.nextSibling();
    }
    if (!child.isNull())
        return;
    QDomDocument document = element.ownerDocument();
    child = element.firstChild();
    for (const Piece &piece : pieces) {
        // Before a null node, insertBefore() would prepend.
        if (piece.kind == Kind::Blank && child.isNull())
            element.appendChild(document.createTextNode(piece.blank));
        else if (piece.kind == Kind::Blank)
            element.insertBefore(document.createTextNode(piece.blank), child);
        else
            child = child.nextSibling();
    }
}

// The node after node in document order, below it only when descend says so.
static QDomNode nextNode(QDomNode node, bool descend)
{
    if (descend && node.isElement() && node.hasChildNodes())
        return node.firstChild();
    while (!node.isNull() && node.nextSibling().isNull())
        node = node.parentNode();
    return node.isNull() ? node : node.nextSibling();
}

void QAXmlBlankText::restore(QDomDocument &document) const
{
    qsizetype left = m_kept.size();
    // Depth first without recursion: the document may be deep.
    for (QDomNode node = document.documentElement(); !node.isNull() && left > 0;) {
        const auto it = node.isElement()
            ? m_kept.constFind(qMakePair(node.lineNumber(), node.columnNumber()))
            : m_kept.constEnd();
        const bool kept = it != m_kept.constEnd();
        if (kept) {
            QDomElement element = node.toElement();
            restoreElement(element, *it);
            --left;
        }
        // Below a kept element are only the text and the like just put back.
        node = nextNode(node, !kept);
    }
}

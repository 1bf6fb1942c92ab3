#include "document/domtext.h"

static QDomElement findChildElement(const QString &name, const QDomNode &node, int depth)
{
    QDomNode current = node.firstChild();
    for (int level = 1; level < depth && !current.isNull(); ++level)
        current = current.firstChild();
    for (; !current.isNull(); current = current.nextSibling()) {
        if (current.isElement() && current.toElement().tagName() == name)
            return current.toElement();
    }
    return QDomElement();
}

QString childText(const QString &name, const QDomNode &node, int depth)
{
    const QDomElement target = findChildElement(name, node, depth);
    QDomNode first = target.firstChild();
    if (!first.isText())
        return QString();
    // CDATA sections count as text (nodeValue(), not toCharacterData(), which Qt answers null for
    // them); a section that held "]]>" is saved as two adjacent ones, and both belong to the value.
    QString text = first.nodeValue();
    for (QDomNode next = first.nextSibling(); next.isText(); next = next.nextSibling())
        text += next.nodeValue();
    return text;
}

// Whether text holds "]]>". It runs over a whole code fragment at every keystroke: the vectorised
// search for one character, then a look at the two that follow, is many times faster than a
// search for the three.
static bool holdsCdataEnd(QStringView text)
{
    for (qsizetype at = text.indexOf(u']'); at >= 0 && at + 2 < text.size();
         at = text.indexOf(u']', at + 1)) {
        if (text[at + 1] == u']' && text[at + 2] == u'>')
            return true;
    }
    return false;
}

void setChildText(const QString &value, const QString &name, const QDomNode &node, int depth)
{
    QDomElement target = findChildElement(name, node, depth);
    if (target.isNull())
        return;
    QDomNode first = target.firstChild();
    if (first.isText()) {
        while (first.nextSibling().isText())
            target.removeChild(first.nextSibling());
        // A CDATA section cannot hold "]]>": such a text goes into a plain text node instead,
        // which every serialiser escapes.
        if (!first.isCDATASection() || !holdsCdataEnd(value)) {
            first.setNodeValue(value);
            return;
        }
    }
    QDomDocument document = ownerDocumentOf(target);
    if (document.isNull())
        return;
    const QDomText text = document.createTextNode(value);
    if (first.isText())
        target.replaceChild(text, first);
    else
        // In front, so that the next read finds it: behind an XML comment or an element, every
        // write would add one more text node that is never read.
        target.insertBefore(text, first);
}

QDomDocument ownerDocumentOf(const QDomNode &node)
{
    QDomNode current = node.parentNode();
    while (!current.isNull() && !current.isDocument())
        current = current.parentNode();
    return current.toDocument();
}

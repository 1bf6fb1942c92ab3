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
    // CDATA sections count as text; a section that held "]]>" is saved as two adjacent ones, and
    // both belong to the value.
    QString text = first.nodeValue();
    for (QDomNode next = first.nextSibling(); next.isText(); next = next.nextSibling())
        text += next.nodeValue();
    return text;
}

void setChildText(const QString &value, const QString &name, const QDomNode &node, int depth)
{
    QDomElement target = findChildElement(name, node, depth);
    if (target.isNull())
        return;
    QDomNode first = target.firstChild();
    if (first.isText()) {
        first.setNodeValue(value);
        while (first.nextSibling().isText())
            target.removeChild(first.nextSibling());
        return;
    }
    QDomDocument document = ownerDocumentOf(target);
    if (!document.isNull())
        target.appendChild(document.createTextNode(value));
}

QDomDocument ownerDocumentOf(const QDomNode &node)
{
    QDomNode current = node.parentNode();
    while (!current.isNull() && !current.isDocument())
        current = current.parentNode();
    return current.toDocument();
}

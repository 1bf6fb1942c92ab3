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
    const QDomNode first = target.firstChild();
    // CDATA sections are text too: documents keep code in them.
    if (first.isText())
        return first.toCharacterData().data();
    return QString();
}

void setChildText(const QString &value, const QString &name, const QDomNode &node, int depth)
{
    QDomElement target = findChildElement(name, node, depth);
    if (target.isNull())
        return;
    QDomNode first = target.firstChild();
    if (first.isText()) {
        first.toCharacterData().setData(value);
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

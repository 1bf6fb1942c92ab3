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
    // CDATA sections are text too: documents keep code in them. (Qt does not count them as
    // character data, so toCharacterData() would answer a null node.)
    if (first.isText())
        return first.toText().data();
    return QString();
}

void setChildText(const QString &value, const QString &name, const QDomNode &node, int depth)
{
    QDomElement target = findChildElement(name, node, depth);
    if (target.isNull())
        return;
    QDomNode first = target.firstChild();
    // A CDATA section cannot hold "]]>": such a text goes into a plain text node instead, which
    // is written escaped and reads back the same.
    const bool fitsInPlace = !first.isCDATASection() || !value.contains(QLatin1String("]]>"));
    if (first.isText() && fitsInPlace) {
        first.toText().setData(value);
        return;
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

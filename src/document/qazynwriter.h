#pragma once

#include "sdk/qaxmleditor.h"

#include <QByteArray>
#include <QDomElement>

// Serialises a document the way the editor saves it: the ZYN document type line, then the root
// with each element on its own line and no indentation, UTF-8, no XML declaration. The output is
// deterministic and always well-formed: attributes keep the order they were read in (new ones
// follow, by name), a CDATA section holding "]]>" is split, and characters XML cannot hold are
// left out and counted.
class QAZynWriter
{
public:
    explicit QAZynWriter(const QAAttributeOrder *attributeOrder = nullptr);

    QByteArray write(const QDomElement &root);

    // Characters of the last write that XML 1.0 cannot hold and that were left out.
    int droppedCharacters() const { return m_dropped; }

    // Whether bytes are a well-formed document (checked before a save replaces a file).
    static bool isWellFormed(const QByteArray &bytes, QString *errorText = nullptr);

    // The element's attribute names in the order they are written.
    QStringList orderedAttributeNames(const QDomElement &element) const;

private:
    void writeNode(const QDomNode &node);
    void writeElement(const QDomElement &element);
    QString clean(const QString &text);
    QString cleanTarget(const QString &target);
    void writeEscaped(const QString &text, bool attribute);

    const QAAttributeOrder *m_attributeOrder;
    QString m_out;
    int m_dropped = 0;
};

#pragma once

#include <QDomDocument>
#include <QDomNode>
#include <QString>

// Text of the first child element `name` found among the children of `node` (depth 1) or of its
// first child (depth 2); empty when there is none or it does not start with text. Adjacent text
// and CDATA nodes at its start make up the text together.
QString childText(const QString &name, const QDomNode &node, int depth = 1);

// Writes that text into its first text node (dropping the adjacent ones), adding a text node in
// front when the child does not start with one; a missing child is left missing.
void setChildText(const QString &value, const QString &name, const QDomNode &node, int depth = 1);

// The document that owns a node, found by climbing its parents; null when it has none.
QDomDocument ownerDocumentOf(const QDomNode &node);

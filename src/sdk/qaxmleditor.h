#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QPair>
#include <QStringList>
#include <QWidget>

#include "xmllimits.h"

class QTreeWidgetItem;

// The order in which each element of a parsed document listed its attributes, keyed by the line
// and column at which the element's start tag ended (what QDomNode::lineNumber() and
// columnNumber() report), so that a save can keep it.
using QAAttributeOrder = QHash<QPair<int, int>, QStringList>;

// Base of the editor area: holds the loaded document and its root element, and reads files into
// it. The four hooks are the editor area's to fill.
class QAXmlEditor : public QWidget
{
    Q_OBJECT

public:
    explicit QAXmlEditor(QWidget *parent = nullptr, const QString &name = QString());

    // The document element of the file at path, parsed into this editor's document; a null element
    // when the file cannot be read or is not a well-formed, reasonably shaped XML document.
    QDomElement getRootElement(const QString &path);

    // Makes a document read with readRootElement this editor's, as if getRootElement had read it:
    // a document checked before it replaces the open one need not be read twice.
    QDomElement adoptDocument(const QDomDocument &document, QAAttributeOrder attributeOrder);

    // The same into a document of the caller's, leaving this editor's document alone. A reading
    // of the same unchanged file started ahead (QAXmlReadAhead) is taken instead of reading again.
    static QDomElement readRootElement(const QString &path, QDomDocument &document,
                                       QString *errorText = nullptr,
                                       QAAttributeOrder *attributeOrder = nullptr);
    // The same, always from the disk; safe on any thread.
    static QDomElement readRootElementFromDisk(const QString &path, QDomDocument &document,
                                               QString *errorText = nullptr,
                                               QAAttributeOrder *attributeOrder = nullptr);

    // Why the last getRootElement answered null ("file:line:column: message").
    QString lastError() const { return m_lastError; }

    QDomDocument &document() { return m_document; }
    QDomElement rootElement() const { return m_rootElement; }
    const QAAttributeOrder &attributeOrder() const { return m_attributeOrder; }

    // Deeper input is refused before the DOM sees it: the DOM parses and writes recursively.
    static constexpr int MaximumNesting = ZynXmlLimits::MaximumNesting;

    virtual bool buildTree(QDomElement &root) = 0;
    virtual void acceptRename(QTreeWidgetItem *item) = 0;
    virtual void showViewer(QTreeWidgetItem *item) = 0;
    virtual void showDoc() = 0;

private:
    QDomDocument m_document;
    QDomElement m_rootElement;
    QAAttributeOrder m_attributeOrder;
    QString m_lastError;
};

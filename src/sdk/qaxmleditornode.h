#pragma once

#include <QDomElement>
#include <QTreeWidgetItem>

class QMenu;

// A tree item standing for one element of the document. The four construction forms insert the
// way the classic list view did: without a preceding item the new item goes first.
class QAXmlEditorNode : public QTreeWidgetItem
{
public:
    QAXmlEditorNode(QTreeWidget *view, const QDomElement &element, int type = Type);
    QAXmlEditorNode(QTreeWidget *view, QTreeWidgetItem *after, const QDomElement &element,
                    int type = Type);
    QAXmlEditorNode(QTreeWidgetItem *parent, const QDomElement &element, int type = Type);
    QAXmlEditorNode(QTreeWidgetItem *parent, QTreeWidgetItem *after, const QDomElement &element,
                    int type = Type);
    ~QAXmlEditorNode() override;

    virtual QDomElement data() const { return m_element; }
    // A new menu for the node, owned by the caller, or null.
    virtual QMenu *setupPopupMenu() { return nullptr; }
    virtual bool builChild(QAXmlEditorNode *, QDomElement &) { return true; }

protected:
    QDomElement m_element;
};

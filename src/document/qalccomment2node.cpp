#include "document/qalccomment2node.h"

#include "document/qalcchoicenode.h"
#include "document/qalcitemnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QALCComment2Node::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (Zyn::subGroupChoiceTags().contains(tag))
            previous = new QALCChoiceNode(under, previous, child);
        else if (Zyn::subGroupItemTags().contains(tag))
            previous = new QALCItemNode(under, previous, child);
    }
    return true;
}

QAZynViewer *QALCComment2Node::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

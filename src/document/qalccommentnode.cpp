#include "document/qalccommentnode.h"

#include "document/qalcchoicenode.h"
#include "document/qalccomment2node.h"
#include "document/qalcfctnode.h"
#include "document/qalcfreetextnode.h"
#include "document/qalcitemnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QALCCommentNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    bool result = true;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (Zyn::groupSubGroupTags().contains(tag)) {
            auto *subGroup = new QALCComment2Node(under, previous, child);
            previous = subGroup;
            result = subGroup->buildChild(subGroup, child);
        } else if (Zyn::groupChoiceTags().contains(tag)) {
            previous = new QALCChoiceNode(under, previous, child);
        } else if (Zyn::groupItemTags().contains(tag)) {
            previous = new QALCItemNode(under, previous, child);
        } else if (Zyn::groupFunctionTags().contains(tag)) {
            previous = new QALCFctNode(under, previous, child);
        } else if (Zyn::groupFreeTextTags().contains(tag)) {
            previous = new QALCFreeTextNode(under, previous, child);
        }
    }
    return result;
}

QAZynViewer *QALCCommentNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

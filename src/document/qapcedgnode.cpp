#include "document/qapcedgnode.h"

#include "document/qapcotnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QAPcEdgNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == Zyn::Tag::PcOpp || tag == Zyn::Tag::PcHpp)
            previous = new QAPcOtNode(under, previous, child);
    }
    return true;
}

QAZynViewer *QAPcEdgNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

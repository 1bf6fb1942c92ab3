#include "document/qaparsernode.h"

#include "document/qapcadanode.h"
#include "document/qapcedgnode.h"
#include "document/qapcwexnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QAParserNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    bool result = true;
    // The parsers sit in the second child node; the first (the comment, normally) is passed over.
    const QDomNode container = element.firstChild().nextSibling();
    for (QDomElement child = container.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == Zyn::Tag::PcWex) {
            previous = new QAPcWexNode(under, previous, child);
        } else if (tag == Zyn::Tag::PcEdg) {
            auto *frontEnd = new QAPcEdgNode(under, previous, child);
            previous = frontEnd;
            result = frontEnd->buildChild(frontEnd, child);
        } else if (Zyn::parserAdaTags().contains(tag)) {
            previous = new QAPcAdaNode(under, previous, child);
        }
    }
    return result;
}

QAZynViewer *QAParserNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

#include "document/qaparsernode.h"

#include "document/qapcadanode.h"
#include "document/qapcedgnode.h"
#include "document/qapcwexnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAParserNode::Shape QAParserNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                                &paneOf<QACommentViewer> };

bool QAParserNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    // The parsers sit in the second child node; the first (the comment, normally) is passed over.
    const QDomElement container = element.firstChild().nextSibling().toElement();
    return buildChildren(parent, container,
                         { { { Zyn::Tag::PcWex }, &childOf<QAPcWexNode> },
                           { { Zyn::Tag::PcEdg }, &childOf<QAPcEdgNode> },
                           { Zyn::parserAdaTags(), &childOf<QAPcAdaNode> } });
}

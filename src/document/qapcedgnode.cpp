#include "document/qapcedgnode.h"

#include "document/qapcotnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAPcEdgNode::Shape QAPcEdgNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                              &paneOf<QACommentViewer> };

bool QAPcEdgNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         { { { Zyn::Tag::PcOpp, Zyn::Tag::PcHpp }, &childOf<QAPcOtNode> } });
}

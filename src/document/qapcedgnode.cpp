#include "document/qapcedgnode.h"

#include "document/qapcotnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAPcEdgNode::Shape QAPcEdgNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                              &paneOf<QACommentViewer> };

bool QAPcEdgNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const QString tag = child.tagName();
                             if (tag == Zyn::Tag::PcOpp || tag == Zyn::Tag::PcHpp)
                                 return new QAPcOtNode(under, after, child);
                             return nullptr;
                         });
}

#include "document/qalccommentnode.h"

#include "document/qalcchoicenode.h"
#include "document/qalccomment2node.h"
#include "document/qalcfctnode.h"
#include "document/qalcfreetextnode.h"
#include "document/qalcitemnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QALCCommentNode::Shape QALCCommentNode::shape { Type, TextSource::Label, Expandable,
                                                      NotRenameable, &paneOf<QACommentViewer> };

bool QALCCommentNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const QString tag = child.tagName();
                             if (Zyn::groupSubGroupTags().contains(tag))
                                 return new QALCComment2Node(under, after, child);
                             if (Zyn::groupChoiceTags().contains(tag))
                                 return new QALCChoiceNode(under, after, child);
                             if (Zyn::groupItemTags().contains(tag))
                                 return new QALCItemNode(under, after, child);
                             if (Zyn::groupFunctionTags().contains(tag))
                                 return new QALCFctNode(under, after, child);
                             if (Zyn::groupFreeTextTags().contains(tag))
                                 return new QALCFreeTextNode(under, after, child);
                             return nullptr;
                         });
}

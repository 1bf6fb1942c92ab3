#include "document/qalccomment2node.h"

#include "document/qalcchoicenode.h"
#include "document/qalcitemnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QALCComment2Node::Shape QALCComment2Node::shape { Type, TextSource::Label, Expandable,
                                                        NotRenameable, &paneOf<QACommentViewer> };

bool QALCComment2Node::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const QString tag = child.tagName();
                             if (Zyn::subGroupChoiceTags().contains(tag))
                                 return new QALCChoiceNode(under, after, child);
                             if (Zyn::subGroupItemTags().contains(tag))
                                 return new QALCItemNode(under, after, child);
                             return nullptr;
                         });
}

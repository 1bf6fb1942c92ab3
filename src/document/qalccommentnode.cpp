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
                         { { Zyn::groupSubGroupTags(), &childOf<QALCComment2Node> },
                           { Zyn::groupChoiceTags(), &childOf<QALCChoiceNode> },
                           { Zyn::groupItemTags(), &childOf<QALCItemNode> },
                           { Zyn::groupFunctionTags(), &childOf<QALCFctNode> },
                           { Zyn::groupFreeTextTags(), &childOf<QALCFreeTextNode> } });
}

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
                         { { Zyn::subGroupChoiceTags(), &childOf<QALCChoiceNode> },
                           { Zyn::subGroupItemTags(), &childOf<QALCItemNode> } });
}

#include "document/qaisnode.h"

#include "document/qaissettingsnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAIsNode::Shape QAIsNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                        &paneOf<QACommentViewer> };

bool QAIsNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element, { { Zyn::settingsTags(), &childOf<QAIsSettingsNode> } });
}

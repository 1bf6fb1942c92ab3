#include "document/qaisnode.h"

#include "document/qaissettingsnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAIsNode::Shape QAIsNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                        &paneOf<QACommentViewer> };

bool QAIsNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             if (Zyn::settingsTags().contains(child.tagName()))
                                 return new QAIsSettingsNode(under, after, child);
                             return nullptr;
                         });
}

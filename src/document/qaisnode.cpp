#include "document/qaisnode.h"

#include "document/qaissettingsnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QAIsNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (Zyn::settingsTags().contains(child.tagName()))
            previous = new QAIsSettingsNode(under, previous, child);
    }
    return true;
}

QAZynViewer *QAIsNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

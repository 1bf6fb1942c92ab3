#include "document/qajvmpicustom.h"

#include "document/qalcchoicenode.h"
#include "document/qalcfreetextnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

void QAJvmpiCustom::setUp()
{
    QAZynEditorNode::setUp(labelText(), Expandable);
}

bool QAJvmpiCustom::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    bool result = true;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QAZynEditorNode *node = nullptr;
        switch (Zyn::customJvmpiKind(child.tagName())) {
        case 0:
            node = new QALCFreeTextNode(under, previous, child);
            break;
        case 1:
            node = new QALCChoiceNode(under, previous, child);
            break;
        default:
            continue;
        }
        previous = node;
        result = node->buildChild(node, child);
    }
    return result;
}

QAZynViewer *QAJvmpiCustom::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

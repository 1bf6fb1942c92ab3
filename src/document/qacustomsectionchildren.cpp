#include "document/qacustomsectionchildren.h"

#include "document/qalcchoicenode.h"
#include "document/qalcfreetextnode.h"

bool buildCustomSectionChildren(QAZynEditorNode *node, QTreeWidgetItem *parent,
                                QDomElement &element, Zyn::CustomKind (*kindOf)(const QString &tag))
{
    QTreeWidgetItem *under = parent ? parent : node;
    QTreeWidgetItem *previous = nullptr;
    bool result = true;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QAZynEditorNode *made = nullptr;
        switch (kindOf(child.tagName())) {
        case Zyn::CustomKind::FreeText:
            made = new QALCFreeTextNode(under, previous, child);
            break;
        case Zyn::CustomKind::Choice:
            made = new QALCChoiceNode(under, previous, child);
            break;
        case Zyn::CustomKind::NotShown:
            continue;
        }
        previous = made;
        result = made->buildChild(made, child);
    }
    return result;
}

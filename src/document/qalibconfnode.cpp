#include "document/qalibconfnode.h"

#include "document/qajavacustom.h"
#include "document/qajvmpicustom.h"
#include "document/qalcchoicenode.h"
#include "document/qalccommentnode.h"
#include "document/qalcfreetextnode.h"
#include "document/qalcitemnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"
#include "sdk/warning.h"

#include <iterator>

const QALibConfNode::Shape QALibConfNode::shape { Type, TextSource::Label, Expandable,
                                                  NotRenameable, &paneOf<QACommentViewer> };

bool QALibConfNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, languageVariant(element),
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const Zyn::SectionKind kind = Zyn::libConfSectionKind(child.tagName());
                             if (kind == Zyn::SectionKind::NotASection)
                                 return nullptr;
                             return createSection(int(kind), under, after, child);
                         });
}

QDomElement QALibConfNode::languageVariant(const QDomElement &libConf)
{
    for (const QLatin1String tag :
         { Zyn::Tag::LibConfC, Zyn::Tag::LibConfA, Zyn::Tag::LibConfJava }) {
        const QDomElement variant = libConf.firstChildElement(tag);
        if (!variant.isNull())
            return variant;
    }
    return QDomElement();
}

QAZynEditorNode *QALibConfNode::createSection(int kind, QTreeWidgetItem *parent,
                                              QTreeWidgetItem *after, const QDomElement &element)
{
    // In the order of Zyn::SectionKind.
    static const MakeChild sections[] = {
        &childOf<QALCFreeTextNode>, &childOf<QALCCommentNode>, &childOf<QALCItemNode>,
        &childOf<QALCChoiceNode>,   &childOf<QAJavaCustom>,    &childOf<QAJvmpiCustom>,
    };
    if (kind >= 0 && kind < int(std::size(sections)))
        return sections[kind](parent, after, element);
    warning("QALibConfNode::buildChild():ERROR: unhandled widget_type %d ...", kind);
    return nullptr;
}

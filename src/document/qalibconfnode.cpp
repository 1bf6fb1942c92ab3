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

bool QALibConfNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    bool result = true;
    const QDomElement variant = languageVariant(element);
    for (QDomElement child = variant.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const Zyn::SectionKind kind = Zyn::libConfSectionKind(child.tagName());
        if (kind == Zyn::SectionKind::NotASection)
            continue;
        QAZynEditorNode *node = createSection(int(kind), under, previous, child);
        if (!node)
            continue;
        previous = node;
        result = node->buildChild(node, child);
    }
    return result;
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
    switch (static_cast<Zyn::SectionKind>(kind)) {
    case Zyn::SectionKind::FreeText:
        return new QALCFreeTextNode(parent, after, element);
    case Zyn::SectionKind::Group:
        return new QALCCommentNode(parent, after, element);
    case Zyn::SectionKind::Item:
        return new QALCItemNode(parent, after, element);
    case Zyn::SectionKind::Choice:
        return new QALCChoiceNode(parent, after, element);
    case Zyn::SectionKind::JavaGroup:
        return new QAJavaCustom(parent, after, element);
    case Zyn::SectionKind::JvmpiGroup:
        return new QAJvmpiCustom(parent, after, element);
    case Zyn::SectionKind::NotASection:
        break;
    }
    warning("QALibConfNode::buildChild():ERROR: unhandled widget_type %d ...", kind);
    return nullptr;
}

QAZynViewer *QALibConfNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

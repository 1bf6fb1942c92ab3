#include "document/qaparsernode.h"

#include "document/qapcadanode.h"
#include "document/qapcedgnode.h"
#include "document/qapcwexnode.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAParserNode::Shape QAParserNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                                &paneOf<QACommentViewer> };

bool QAParserNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    // The parsers sit in the second child node; the first (the comment, normally) is passed over.
    const QDomElement container = element.firstChild().nextSibling().toElement();
    return buildChildren(parent, container,
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const QString tag = child.tagName();
                             if (tag == Zyn::Tag::PcWex)
                                 return new QAPcWexNode(under, after, child);
                             if (tag == Zyn::Tag::PcEdg)
                                 return new QAPcEdgNode(under, after, child);
                             if (Zyn::parserAdaTags().contains(tag))
                                 return new QAPcAdaNode(under, after, child);
                             return nullptr;
                         });
}

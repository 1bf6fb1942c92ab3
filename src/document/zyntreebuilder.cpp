#include "document/zyntreebuilder.h"

#include "document/qabuildnode.h"
#include "document/qadocumenteditor.h"
#include "document/qaisnode.h"
#include "document/qalibconfnode.h"
#include "document/qaparsernode.h"
#include "document/qarootnode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"

bool buildZynTree(QTreeWidget *tree, QDomElement &root)
{
    if (!tree || root.tagName() != Zyn::Tag::Root)
        return false;
    // A new document starts with an empty history.
    if (auto *editorTree = qobject_cast<QAZynEditorTree *>(tree))
        editorTree->documentEditor()->setDocument(root.ownerDocument());
    auto *rootNode = new QARootNode(tree, root);

    // Each group goes after the one that precedes it in the usual order, when that one was met;
    // otherwise first. IS is always first.
    QAZynEditorNode *isNode = nullptr;
    QAZynEditorNode *buildNode = nullptr;
    QAZynEditorNode *libConfNode = nullptr;
    bool result = true;
    for (QDomElement child = root.firstChildElement(); result && !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        QAZynEditorNode *group = nullptr;
        if (tag == Zyn::Tag::IS)
            group = isNode = new QAIsNode(rootNode, child);
        else if (tag == Zyn::Tag::Build)
            group = buildNode = new QABuildNode(rootNode, isNode, child);
        else if (tag == Zyn::Tag::LibConf)
            group = libConfNode = new QALibConfNode(rootNode, buildNode, child);
        else if (tag == Zyn::Tag::ParserConf)
            group = new QAParserNode(rootNode, libConfNode, child);
        if (group)
            result = group->buildChild(nullptr, child);
    }
    return result;
}

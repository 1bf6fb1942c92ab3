#include "document/qabuildnode.h"

#include "document/qabinfilenode.h"
#include "document/qacmdfilenode.h"
#include "document/qaperlnode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

const QABuildNode::Shape QABuildNode::shape { Type, TextSource::Label, Expandable, NotRenameable,
                                              &paneOf<QACommentViewer> };

bool QABuildNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildChildren(parent, element,
                         { { Zyn::buildStepTags(), &childOf<QAPerlNode> },
                           { { Zyn::Tag::NewCmdFile }, &childOf<QACmdFileNode> },
                           { { Zyn::Tag::NewBinFile }, &childOf<QABinFileNode> } });
}

QMenu *QABuildNode::setupPopupMenu()
{
    return treeMenu([](QMenu *menu, QAZynEditorTree *tree) {
        QMenu *addChild = menu->addMenu(QCoreApplication::translate("QABuildNode", "&Add Child"));
        addTreeAction(addChild, QCoreApplication::translate("QABuildNode", "Ascii File"), tree,
                      &QAZynEditorTree::addChildAsciiFile);
        addTreeAction(addChild, QCoreApplication::translate("QABuildNode", "Binary File"), tree,
                      &QAZynEditorTree::addChildBinaryFile);
    });
}

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
                         [](QTreeWidgetItem *under, QTreeWidgetItem *after,
                            const QDomElement &child) -> QAZynEditorNode * {
                             const QString tag = child.tagName();
                             if (Zyn::buildStepTags().contains(tag))
                                 return new QAPerlNode(under, after, child);
                             if (tag == Zyn::Tag::NewCmdFile)
                                 return new QACmdFileNode(under, after, child);
                             if (tag == Zyn::Tag::NewBinFile)
                                 return new QABinFileNode(under, after, child);
                             return nullptr;
                         });
}

QMenu *QABuildNode::setupPopupMenu()
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    QMenu *addChild = menu->addMenu(QCoreApplication::translate("QABuildNode", "&Add Child"));
    QObject::connect(addChild->addAction(QCoreApplication::translate("QABuildNode", "Ascii File")),
                     &QAction::triggered, tree, &QAZynEditorTree::addChildAsciiFile);
    QObject::connect(addChild->addAction(QCoreApplication::translate("QABuildNode", "Binary File")),
                     &QAction::triggered, tree, &QAZynEditorTree::addChildBinaryFile);
    return menu;
}

#include "document/qabuildnode.h"

#include "document/qabinfilenode.h"
#include "document/qacmdfilenode.h"
#include "document/qaperlnode.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

#include <QCoreApplication>
#include <QMenu>

bool QABuildNode::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    QTreeWidgetItem *under = parent ? parent : this;
    QTreeWidgetItem *previous = nullptr;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (Zyn::buildStepTags().contains(tag))
            previous = new QAPerlNode(under, previous, child);
        else if (tag == Zyn::Tag::NewCmdFile)
            previous = new QACmdFileNode(under, previous, child);
        else if (tag == Zyn::Tag::NewBinFile)
            previous = new QABinFileNode(under, previous, child);
    }
    return true;
}

QAZynViewer *QABuildNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
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

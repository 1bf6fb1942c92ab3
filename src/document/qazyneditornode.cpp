#include "document/qazyneditornode.h"

#include "document/qazyneditortree.h"
#include "document/zynformat.h"

#include <QCoreApplication>
#include <QMenu>

bool QAZynEditorNode::buildChild(QTreeWidgetItem *, QDomElement &)
{
    return true;
}

QAZynViewer *QAZynEditorNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    const QDomElement element = data();
    if (!m_shape || !m_shape->pane || element.isNull())
        return nullptr;
    return m_shape->pane(element, parent, docBrowser);
}

// The renameable kinds edit their Name; the others ignore a rename.
void QAZynEditorNode::startRename(int column)
{
    if (isRenameable())
        startNameEdit(column);
}

void QAZynEditorNode::okRename(int column)
{
    if (isRenameable())
        acceptNameEdit(column);
}

void QAZynEditorNode::cancelRename(int column)
{
    if (isRenameable())
        cancelNameEdit(column);
}

QAZynEditorTree *QAZynEditorNode::editorTree() const
{
    return qobject_cast<QAZynEditorTree *>(treeWidget());
}

QString QAZynEditorNode::labelText(const QDomElement &element)
{
    return Zyn::translatedLabel(element);
}

QString QAZynEditorNode::nameText() const
{
    return m_element.attribute(Zyn::Attr::Name);
}

void QAZynEditorNode::setUp(const Shape &shape)
{
    m_shape = &shape;
    QString text;
    switch (shape.text) {
    case TextSource::Label:
        text = labelText();
        break;
    case TextSource::Name:
        text = nameText();
        break;
    case TextSource::FirstChildLabel:
        // Without that child the node stays bare.
        if (!m_element.firstChild().isElement())
            return;
        text = labelText(m_element.firstChild().toElement());
        break;
    }
    setText(0, text);
    setChildIndicatorPolicy(shape.expandability == Expandable
                                ? QTreeWidgetItem::ShowIndicator
                                : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    // Outside a view there is nothing to open yet; the structure tree opens nodes as they arrive.
    if (treeWidget())
        setExpanded(true);
    if (shape.renaming == Renameable)
        setFlags(flags() | Qt::ItemIsEditable);
}

void QAZynEditorNode::startNameEdit(int column)
{
    QTreeWidget *view = treeWidget();
    if (!view)
        return;
    view->editItem(this, column);
    if (QAZynEditorTree *tree = editorTree())
        tree->setModified(true);
}

void QAZynEditorNode::acceptNameEdit(int column)
{
    if (QAZynEditorTree *tree = editorTree()) {
        if (tree->renamingItem() == this)
            tree->commitRename(); // the edited text is in the item now
        else if (!tree->isEndingRename())
            return; // no edit of ours to accept
    }
    m_element.setAttribute(Zyn::Attr::Name, text(column));
}

void QAZynEditorNode::cancelNameEdit(int)
{
    QAZynEditorTree *tree = editorTree();
    if (tree && tree->renamingItem() == this)
        tree->cancelRename();
}

QMenu *QAZynEditorNode::carriedFileMenu() const
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    addAppendMenu(menu, tree);
    menu->addSeparator();
    QObject::connect(menu->addAction(QCoreApplication::translate("QABuildNode", "&Delete")),
                     &QAction::triggered, tree, &QAZynEditorTree::deleteSelectedNode);
    QObject::connect(menu->addAction(QCoreApplication::translate("QABuildNode", "&Rename")),
                     &QAction::triggered, tree, &QAZynEditorTree::startEdit);
    return menu;
}

void QAZynEditorNode::addAppendMenu(QMenu *menu, QAZynEditorTree *tree)
{
    QMenu *append = menu->addMenu(QCoreApplication::translate("QABuildNode", "A&ppend"));
    QObject::connect(append->addAction(QCoreApplication::translate("QABuildNode", "Ascii File")),
                     &QAction::triggered, tree, &QAZynEditorTree::appendAsciiFile);
    QObject::connect(append->addAction(QCoreApplication::translate("QABuildNode", "Binary File")),
                     &QAction::triggered, tree, &QAZynEditorTree::appendBinaryFile);
}

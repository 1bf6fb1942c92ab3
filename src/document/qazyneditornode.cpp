#include "document/qazyneditornode.h"

#include "document/qadocumenteditor.h"
#include "document/qazyneditortree.h"
#include "document/zynformat.h"

#include <QCoreApplication>
#include <QMenu>

bool QAZynEditorNode::buildChild(QTreeWidgetItem *, QDomElement &)
{
    return true;
}

bool QAZynEditorNode::buildChildren(QTreeWidgetItem *parent, const QDomElement &container,
                                    std::initializer_list<ChildKind> kinds)
{
    return buildChildren(parent, container,
                         [kinds](QTreeWidgetItem *under, QTreeWidgetItem *after,
                                 const QDomElement &child) -> QAZynEditorNode * {
                             for (const ChildKind &kind : kinds) {
                                 if (kind.tags.contains(child.tagName()))
                                     return kind.make(under, after, child);
                             }
                             return nullptr;
                         });
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
    const QString name = text(column);
    const QString previous = m_element.attribute(Zyn::Attr::Name);
    QADocumentEditor::of(m_element)->setAttribute(
        m_element, Zyn::Attr::Name, name, QADocumentEditor::Step,
        QCoreApplication::translate("QAZynEditorTree", "Renamed %1 to %2").arg(previous, name));
}

void QAZynEditorNode::cancelNameEdit(int)
{
    QAZynEditorTree *tree = editorTree();
    if (tree && tree->renamingItem() == this)
        tree->cancelRename();
}

QMenu *
QAZynEditorNode::treeMenu(const std::function<void(QMenu *menu, QAZynEditorTree *tree)> &fill) const
{
    QAZynEditorTree *tree = editorTree();
    if (!tree)
        return nullptr;
    auto *menu = new QMenu(tree);
    fill(menu, tree);
    return menu;
}

void QAZynEditorNode::addTreeAction(QMenu *menu, const QString &text, QAZynEditorTree *tree,
                                    void (QAZynEditorTree::*operation)())
{
    QObject::connect(menu->addAction(text), &QAction::triggered, tree, operation);
}

QMenu *QAZynEditorNode::carriedFileMenu() const
{
    return treeMenu([](QMenu *menu, QAZynEditorTree *tree) {
        addAppendMenu(menu, tree);
        menu->addSeparator();
        addTreeAction(menu, QCoreApplication::translate("QABuildNode", "&Delete"), tree,
                      &QAZynEditorTree::deleteSelectedNode);
        addTreeAction(menu, QCoreApplication::translate("QABuildNode", "&Rename"), tree,
                      &QAZynEditorTree::startEdit);
    });
}

void QAZynEditorNode::addAppendMenu(QMenu *menu, QAZynEditorTree *tree)
{
    QMenu *append = menu->addMenu(QCoreApplication::translate("QABuildNode", "A&ppend"));
    addTreeAction(append, QCoreApplication::translate("QABuildNode", "Ascii File"), tree,
                  &QAZynEditorTree::appendAsciiFile);
    addTreeAction(append, QCoreApplication::translate("QABuildNode", "Binary File"), tree,
                  &QAZynEditorTree::appendBinaryFile);
}

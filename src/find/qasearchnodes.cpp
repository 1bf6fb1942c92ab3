#include "find/qasearchnodes.h"

#include "document/qacmdfilenode.h"
#include "document/qaissettingsnode.h"
#include "document/qalcchoicenode.h"
#include "document/qalcfctnode.h"
#include "document/qalcfreetextnode.h"
#include "document/qalcitemnode.h"
#include "document/qapcadanode.h"
#include "document/qapcotnode.h"
#include "document/qapcwexnode.h"
#include "document/qaperlnode.h"

#include <QTreeWidget>

namespace {

const QString PathSeparator = QStringLiteral(" \u203a ");

// The pane each node kind makes (see their createViewer); the kinds not named make comment panes.
QASearchNode::Pane paneOf(const QAZynEditorNode *node)
{
    if (dynamic_cast<const QAIsSettingsNode *>(node))
        return QASearchNode::SettingsPane;
    if (dynamic_cast<const QAPerlNode *>(node) || dynamic_cast<const QALCFctNode *>(node))
        return QASearchNode::FunctionPane;
    if (dynamic_cast<const QALCItemNode *>(node))
        return QASearchNode::ItemPane;
    if (dynamic_cast<const QALCChoiceNode *>(node))
        return QASearchNode::ChoicePane;
    if (dynamic_cast<const QACmdFileNode *>(node) || dynamic_cast<const QALCFreeTextNode *>(node)
        || dynamic_cast<const QAPcAdaNode *>(node) || dynamic_cast<const QAPcOtNode *>(node))
        return QASearchNode::FreeTextPane;
    if (dynamic_cast<const QAPcWexNode *>(node))
        return node->data().isNull() ? QASearchNode::NoPane : QASearchNode::FreeTextPane;
    // A binary file's content is no text: its pane shows the comment only.
    return QASearchNode::CommentPane;
}

void addNodes(QList<QASearchNode> &nodes, const QTreeWidgetItem *item, const QString &parentPath)
{
    const auto *node = dynamic_cast<const QAZynEditorNode *>(item);
    const QString text = item->text(0);
    const QString path = parentPath.isEmpty() ? text : parentPath + PathSeparator + text;
    if (node)
        nodes.append({ node->data(), text, path, paneOf(node) });
    for (int index = 0; index < item->childCount(); ++index)
        addNodes(nodes, item->child(index), path);
}

} // namespace

QList<QASearchNode> searchNodesOf(const QTreeWidget *tree)
{
    QList<QASearchNode> nodes;
    if (!tree)
        return nodes;
    for (int top = 0; top < tree->topLevelItemCount(); ++top) {
        const QTreeWidgetItem *root = tree->topLevelItem(top);
        // The root's name heads no path: every node is below it.
        if (const auto *node = dynamic_cast<const QAZynEditorNode *>(root))
            nodes.append({ node->data(), root->text(0), root->text(0), paneOf(node) });
        for (int index = 0; index < root->childCount(); ++index)
            addNodes(nodes, root->child(index), QString());
    }
    return nodes;
}

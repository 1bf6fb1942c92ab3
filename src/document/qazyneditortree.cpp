#include "document/qazyneditortree.h"

QAZynEditorTree::QAZynEditorTree(QWidget *parent, const QString &name)
    : QTreeWidget(parent)
{
    setObjectName(name);
}

void QAZynEditorTree::clearTree()
{
    clear();
    m_modified = false;
}

void QAZynEditorTree::deleteSelectedNode() { }

#include "document/qazyneditornode.h"

bool QAZynEditorNode::buildChild(QTreeWidgetItem *, QDomElement &)
{
    return true;
}

QAZynViewer *QAZynEditorNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    return nullptr;
}

void QAZynEditorNode::startRename(int) { }

void QAZynEditorNode::okRename(int) { }

void QAZynEditorNode::cancelRename(int) { }

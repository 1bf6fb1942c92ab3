#pragma once

class QAZynEditorNode;
class QDomElement;
class QString;
class QTreeWidgetItem;

// Builds the children of a Java or JVMPI custom section: kind 0 is a free-text node, kind 1 a
// choice node, anything else is not shown. Answers the last child's build result.
bool buildCustomSectionChildren(QAZynEditorNode *node, QTreeWidgetItem *parent,
                                QDomElement &element, int (*kindOf)(const QString &tag));

#pragma once

#include "document/zynformat.h"

class QAZynEditorNode;
class QTreeWidgetItem;

// Builds the children of a Java or JVMPI custom section as their kind says. Answers the last
// child's build result.
bool buildCustomSectionChildren(QAZynEditorNode *node, QTreeWidgetItem *parent,
                                QDomElement &element,
                                Zyn::CustomKind (*kindOf)(const QString &tag));

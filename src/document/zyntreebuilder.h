#pragma once

#include <QDomElement>

class QTreeWidget;

// Builds the typed node tree of a document under the tree widget; false when root is not a ZYN
// element (nothing is created then).
bool buildZynTree(QTreeWidget *tree, QDomElement &root);

#pragma once

class QDomElement;
class QTreeWidget;

// Builds the structure tree of a document under `tree`: the root node, the four groups in their
// places and everything below them. False, with nothing created, when the root is not ZYN;
// otherwise the result of the last group built.
bool buildZynTree(QTreeWidget *tree, QDomElement &root);

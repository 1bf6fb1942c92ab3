#pragma once

#include "find/qadocumentsearch.h"

#include <QList>

class QTreeWidget;

// The nodes of a structure tree in the order the tree shows them, each with its path and the
// kind of pane its node makes.
QList<QASearchNode> searchNodesOf(const QTreeWidget *tree);

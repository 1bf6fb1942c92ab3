#include "document/qalcitemnode.h"

#include "panes/qaitemviewer.h"
QAZynViewer *QALCItemNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAItemViewer(data(), parent, docBrowser);
}

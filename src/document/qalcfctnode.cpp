#include "document/qalcfctnode.h"

#include "panes/qafctviewer.h"
QAZynViewer *QALCFctNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFctViewer(data(), parent, docBrowser);
}

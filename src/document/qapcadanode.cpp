#include "document/qapcadanode.h"

#include "panes/qafreetext.h"
QAZynViewer *QAPcAdaNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

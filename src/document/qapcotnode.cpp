#include "document/qapcotnode.h"

#include "panes/qafreetext.h"
QAZynViewer *QAPcOtNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

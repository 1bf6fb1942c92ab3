#include "document/qalcfreetextnode.h"

#include "panes/qafreetext.h"
QAZynViewer *QALCFreeTextNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAFreeText(data(), parent, docBrowser);
}

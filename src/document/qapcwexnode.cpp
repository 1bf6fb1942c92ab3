#include "document/qapcwexnode.h"

#include "panes/qafreetext.h"
QAZynViewer *QAPcWexNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    // Without a first element there is nothing to edit.
    if (data().isNull())
        return nullptr;
    return new QAFreeText(data(), parent, docBrowser);
}

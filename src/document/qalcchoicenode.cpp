#include "document/qalcchoicenode.h"

#include "panes/qachoiceviewer.h"
QAZynViewer *QALCChoiceNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAChoiceViewer(data(), parent, docBrowser);
}

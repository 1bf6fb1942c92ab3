#include "document/qaissettingsnode.h"

#include "panes/qaisviewer.h"
QAZynViewer *QAIsSettingsNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAIsViewer(data(), parent, docBrowser);
}

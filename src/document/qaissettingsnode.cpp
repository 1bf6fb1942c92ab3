#include "document/qaissettingsnode.h"

#include "panes/qaisviewer.h"
void QAIsSettingsNode::setUp()
{
    QAZynEditorNode::setUp(labelText(), NotExpandable);
}

QAZynViewer *QAIsSettingsNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QAIsViewer(data(), parent, docBrowser);
}

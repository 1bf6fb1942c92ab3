#include "document/qapcwexnode.h"

#include "panes/qafreetext.h"
void QAPcWexNode::setUp()
{
    const QDomNode first = m_element.firstChild();
    if (!first.isElement())
        return;
    m_settingsElement = first.toElement();
    QAZynEditorNode::setUp(labelText(m_settingsElement), NotExpandable);
}

QAZynViewer *QAPcWexNode::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    // Without a first element there is nothing to edit.
    if (data().isNull())
        return nullptr;
    return new QAFreeText(data(), parent, docBrowser);
}

#include "document/qapcwexnode.h"

void QAPcWexNode::setUp()
{
    const QDomNode first = m_element.firstChild();
    if (!first.isElement())
        return;
    m_settingsElement = first.toElement();
    QAZynEditorNode::setUp(labelText(m_settingsElement), NotExpandable);
}

QAZynViewer *QAPcWexNode::createViewer(QWidget *, QAZynDocBrowser *)
{
    // pane: QAFreeText on data()
    return nullptr;
}

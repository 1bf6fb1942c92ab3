#include "document/qajavacustom.h"

#include "document/qacustomsectionchildren.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QAJavaCustom::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildCustomSectionChildren(this, parent, element, Zyn::customJavaKind);
}

QAZynViewer *QAJavaCustom::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

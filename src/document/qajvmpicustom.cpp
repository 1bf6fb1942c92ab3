#include "document/qajvmpicustom.h"

#include "document/qacustomsectionchildren.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

bool QAJvmpiCustom::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildCustomSectionChildren(this, parent, element, Zyn::customJvmpiKind);
}

QAZynViewer *QAJvmpiCustom::createViewer(QWidget *parent, QAZynDocBrowser *docBrowser)
{
    return new QACommentViewer(data(), parent, docBrowser);
}

#include "document/qajavacustom.h"

#include "document/qacustomsectionchildren.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAJavaCustom::Shape QAJavaCustom::shape { Type, TextSource::Label, NotExpandable,
                                                NotRenameable, &paneOf<QACommentViewer> };

bool QAJavaCustom::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildCustomSectionChildren(this, parent, element, Zyn::customJavaKind);
}

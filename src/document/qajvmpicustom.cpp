#include "document/qajvmpicustom.h"

#include "document/qacustomsectionchildren.h"
#include "document/zynformat.h"
#include "panes/qacommentviewer.h"

const QAJvmpiCustom::Shape QAJvmpiCustom::shape { Type, TextSource::Label, Expandable,
                                                  NotRenameable, &paneOf<QACommentViewer> };

bool QAJvmpiCustom::buildChild(QTreeWidgetItem *parent, QDomElement &element)
{
    return buildCustomSectionChildren(this, parent, element, Zyn::customJvmpiKind);
}

#include "document/qabinfilenode.h"

#include "panes/qacommentviewer.h"

const QABinFileNode::Shape QABinFileNode::shape { BinaryFileType, TextSource::Name, NotExpandable,
                                                  Renameable, &paneOf<QACommentViewer> };

QMenu *QABinFileNode::setupPopupMenu()
{
    return carriedFileMenu();
}

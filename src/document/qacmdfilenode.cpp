#include "document/qacmdfilenode.h"

#include "panes/qafreetext.h"

const QACmdFileNode::Shape QACmdFileNode::shape { TextFileType, TextSource::Name, NotExpandable,
                                                  Renameable, &paneOf<QAFreeText> };

QMenu *QACmdFileNode::setupPopupMenu()
{
    return carriedFileMenu();
}

#include "document/qaissettingsnode.h"

#include "panes/qaisviewer.h"

const QAIsSettingsNode::Shape QAIsSettingsNode::shape { Type, TextSource::Label, NotExpandable,
                                                        NotRenameable, &paneOf<QAIsViewer> };

#pragma once

#include "document/qazynnodekind.h"

// A carried text file NEWCMDFILE.
class QACmdFileNode : public QAZynNodeKind<QACmdFileNode>
{
public:
    static constexpr Shape shape { TextFileType, TextSource::Name, NotExpandable, Renameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
    void startRename(int column) override;
    void okRename(int column) override;
    void cancelRename(int column) override;
};

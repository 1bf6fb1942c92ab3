#pragma once

#include "document/qazynnodekind.h"

// A carried binary file NEWBINFILE.
class QABinFileNode : public QAZynNodeKind<QABinFileNode>
{
public:
    static constexpr Shape shape { BinaryFileType, TextSource::Name, NotExpandable, Renameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
    void startRename(int column) override;
    void okRename(int column) override;
    void cancelRename(int column) override;
};

#pragma once

#include "document/qazynnodekind.h"

// The document's root element ZYN; its text is the port's name.
class QARootNode : public QAZynNodeKind<QARootNode>
{
public:
    static constexpr Shape shape { RootType, TextSource::Name, Expandable, Renameable };
    using QAZynNodeKind::QAZynNodeKind;

    QAZynViewer *createViewer(QWidget *parent, QAZynDocBrowser *docBrowser) override;
    QMenu *setupPopupMenu() override;
    void startRename(int column) override;
    void okRename(int column) override;
    void cancelRename(int column) override;
};

#pragma once

#include "panes/qanodeviewer.h"

class QAZynTextEdit;
class QLabel;

// The function pane: the body of one function between its fixed prototype and tail lines.
class QAFctViewer : public QANodeViewer
{
    Q_OBJECT

public:
    QAFctViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void saveText();

private:
    QAZynTextEdit *textEdit;
    QLabel *protoLabel;
    QLabel *tailLabel;
};

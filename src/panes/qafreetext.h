#pragma once

#include "panes/qanodeviewer.h"

class QAZynTextEdit;

// The pane of a free text fragment (a carried text file, a code section, a parser setting) and
// its comment.
class QAFreeText : public QANodeViewer
{
    Q_OBJECT

public:
    QAFreeText(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser);

    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void saveText();

private:
    QString commentSubject() const;

    QAZynTextEdit *textEdit;
};

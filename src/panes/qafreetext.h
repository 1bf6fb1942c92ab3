#pragma once

#include "panes/qazynviewer.h"

#include <QDomElement>

class QAZynDocBrowser;
class QAZynTextEdit;
class QATextEdit;

// The pane of a free text fragment (a carried text file, a code section, a parser setting) and
// its comment.
class QAFreeText : public QAZynViewer
{
    Q_OBJECT

public:
    QAFreeText(QDomElement element, QWidget *parent, QAZynDocBrowser *docBrowser);

    void showNode() override;
    bool revealField(const QAFieldRef &field) override;

protected Q_SLOTS:
    void saveText();
    void saveComment();

private:
    QString commentSubject() const;

    QDomElement element;
    QAZynDocBrowser *docBrowser;
    QAZynTextEdit *textEdit;
    QATextEdit *commentEdit = nullptr;
};

#pragma once

#include "panes/qaonglet.h"

class QATextEdit;
class QMouseEvent;

// A code tab of the choice pane: one function body between its fixed prototype and tail lines.
class QAFctOnglet : public QAOnglet
{
    Q_OBJECT

public:
    QAFctOnglet(const QDomElement &function, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;

protected Q_SLOTS:
    void saveText();
    void textEditPressed();

private:
    QATextEdit *textEdit;
};

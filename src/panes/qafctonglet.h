#pragma once

#include <QDomElement>
#include <QWidget>

class QATextEdit;
class QMouseEvent;

// A code tab of the choice pane: one function body between its fixed prototype and tail lines.
class QAFctOnglet : public QWidget
{
    Q_OBJECT

public:
    QAFctOnglet(const QDomElement &function, QWidget *parent);

Q_SIGNALS:
    // The user works on the function; the pane shows its comment.
    void itemPressed(QDomElement &element);
    void ongletModified();

protected:
    void mousePressEvent(QMouseEvent *event) override;

protected Q_SLOTS:
    void saveText();
    void textEditPressed();

private:
    QATextEdit *textEdit;
    QDomElement element;
};

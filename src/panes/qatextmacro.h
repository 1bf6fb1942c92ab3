#pragma once

#include <QDomElement>
#include <QWidget>

class QALineEdit;
class QMouseEvent;

// One row of an item form: the macro's name and its value, written to the macro's VALUE child at
// every keystroke.
class QATextMacro : public QWidget
{
    Q_OBJECT

public:
    QATextMacro(QWidget *parent, const QDomElement &macro);

    QDomElement macroElement() const { return element; }
    QALineEdit *valueField() const { return lineEdit; }

Q_SIGNALS:
    // The user works on this macro; the pane shows its comment.
    void isPressed(QDomElement &element);
    void itemModified();

protected:
    void mousePressEvent(QMouseEvent *event) override;

protected Q_SLOTS:
    void linePressEvent();
    void saveText(const QString &text);

private:
    QDomElement element;
    QALineEdit *lineEdit;
};

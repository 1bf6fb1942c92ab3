#pragma once

#include <QDomElement>
#include <QWidget>

class QACheckBox;

// One switch of an item form: a check box writing "1" or "0" into the macro's Value attribute.
class QABinaryMacro : public QWidget
{
    Q_OBJECT

public:
    QABinaryMacro(QWidget *parent, const QDomElement &macro);

    QDomElement macroElement() const { return element; }
    QACheckBox *checkField() const { return checkBox; }

Q_SIGNALS:
    // The user works on this macro; the pane shows its comment.
    void isPressed(QDomElement &element);
    void itemModified();

protected Q_SLOTS:
    void saveButtonState(bool checked);
    void checkBoxPressEvent();

private:
    QDomElement element;
    QACheckBox *checkBox;
};

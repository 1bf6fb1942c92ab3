#pragma once

#include <QDomElement>
#include <QWidget>

class QACheckBox;
class QALineEdit;

// A macro that may be left undefined: the check box writes Defined, the field writes Value.
class QAOptionnalMacro : public QWidget
{
    Q_OBJECT

public:
    QAOptionnalMacro(QWidget *parent, const QDomElement &macro);

    QDomElement macroElement() const { return element; }
    QACheckBox *checkField() const { return checkBox; }
    QALineEdit *valueField() const { return lineEdit; }

Q_SIGNALS:
    // The user works on this macro; the pane shows its comment.
    void isPressed(QDomElement &element);
    void itemModified();

protected Q_SLOTS:
    void linePressEvent();
    void checkBoxPressEvent();
    void saveButtonState(bool checked);
    void saveText(const QString &text);

private:
    QDomElement element;
    QACheckBox *checkBox;
    QALineEdit *lineEdit;
};

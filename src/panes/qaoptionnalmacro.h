#pragma once

#include "panes/qamacrowidget.h"

// A macro that may be left undefined: the check box writes Defined, the field writes Value.
class QAOptionnalMacro : public QAMacroWidget
{
    Q_OBJECT

public:
    QAOptionnalMacro(QWidget *parent, const QDomElement &macro);

    QACheckBox *checkField() const { return checkBox; }
    QALineEdit *valueField() const { return lineEdit; }

protected Q_SLOTS:
    void linePressEvent();
    void checkBoxPressEvent();
    void saveButtonState(bool checked);
    void saveText(const QString &text);

private:
    QACheckBox *checkBox;
    QALineEdit *lineEdit;
};

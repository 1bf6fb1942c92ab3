#pragma once

#include "panes/qamacrowidget.h"

// One switch of an item form: a check box writing "1" or "0" into the macro's Value attribute.
class QABinaryMacro : public QAMacroWidget
{
    Q_OBJECT

public:
    QABinaryMacro(QWidget *parent, const QDomElement &macro);

    QACheckBox *checkField() const { return checkBox; }

protected Q_SLOTS:
    void saveButtonState(bool checked);
    void checkBoxPressEvent();

private:
    QACheckBox *checkBox;
};

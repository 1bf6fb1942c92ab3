#pragma once

#include "panes/qamacrowidget.h"

class QMouseEvent;

// One row of an item form: the macro's name and its value, written to the macro's VALUE child at
// every keystroke.
class QATextMacro : public QAMacroWidget
{
    Q_OBJECT

public:
    QATextMacro(QWidget *parent, const QDomElement &macro);

    QALineEdit *valueField() const { return lineEdit; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

protected Q_SLOTS:
    void linePressEvent();
    void saveText(const QString &text);

private:
    QALineEdit *lineEdit;
};

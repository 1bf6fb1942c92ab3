#pragma once

#include <QLineEdit>

class QAFocusReport;

// Reports that it takes the keyboard focus, however the focus arrives (setFocus(), a click, Tab
// or a label shortcut), so that a pane knows which field the user works on.
class QALineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit QALineEdit(QWidget *parent = nullptr);

public Q_SLOTS:
    void setFocus();

Q_SIGNALS:
    void linePressed();

private:
    QAFocusReport *m_focusReport;
};

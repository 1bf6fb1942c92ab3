#pragma once

#include <QCheckBox>

class QAFocusReport;

// Reports that it takes the keyboard focus, however the focus arrives (setFocus(), a click, Tab
// or a label shortcut), so that a pane knows which field the user works on.
class QACheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit QACheckBox(const QString &text, QWidget *parent = nullptr);

public Q_SLOTS:
    void setFocus();

Q_SIGNALS:
    void checkBoxPressed();

private:
    QAFocusReport *m_focusReport;
};

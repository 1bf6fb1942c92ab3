#pragma once

#include <QObject>

class QWidget;

// Reports that a field takes the keyboard focus, once however the focus arrives: through the
// field's setFocus() slot (reported even while the window is inactive and no focus event comes)
// or through a focus-in event (a click, Tab, a label shortcut).
class QAFocusReport : public QObject
{
    Q_OBJECT

public:
    // Watches the field's focus-in events; a child of the field.
    explicit QAFocusReport(QWidget *field);

    // Reports, then gives the field the focus the ordinary QWidget way.
    void setFocus();

Q_SIGNALS:
    void focused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_field;
    bool m_reporting = false;
};

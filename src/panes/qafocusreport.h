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
    // A report that the field gives as its own signal.
    template<typename Field> static QAFocusReport *attach(Field *field, void (Field::*signal)())
    {
        auto *report = new QAFocusReport(field);
        connect(report, &QAFocusReport::focused, field, signal);
        return report;
    }

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

#pragma once

#include <QPlainTextEdit>

// Reports that it takes the keyboard focus, however the focus arrives (setFocus(), a click, Tab
// or a label shortcut), so that a pane knows which field the user works on.
class QATextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit QATextEdit(QWidget *parent = nullptr);

public Q_SLOTS:
    void setFocus();

Q_SIGNALS:
    void isPressed();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_reporting = false;
};

class QPlainTextEdit;

// The text of an editor exactly as it holds it: unlike toPlainText(), non-breaking spaces stay
// non-breaking.
QString exactPlainText(const QPlainTextEdit *edit);

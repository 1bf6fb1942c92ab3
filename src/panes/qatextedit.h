#pragma once

#include "panes/qaplaintextedit.h"

class QAFocusReport;

// Reports that it takes the keyboard focus, however the focus arrives (setFocus(), a click, Tab
// or a label shortcut), so that a pane knows which field the user works on.
class QATextEdit : public QAPlainTextEdit
{
    Q_OBJECT

public:
    explicit QATextEdit(QWidget *parent = nullptr);

public Q_SLOTS:
    void setFocus();

Q_SIGNALS:
    void isPressed();

private:
    QAFocusReport *m_focusReport;
};

class QPlainTextEdit;

// The text of an editor exactly as it holds it: unlike toPlainText(), non-breaking spaces stay
// non-breaking, and a long line shown in pieces is one line again.
QString exactPlainText(const QPlainTextEdit *edit);
// Sets the text so that exactPlainText() gives it back, whatever the length of its lines.
void setExactPlainText(QPlainTextEdit *edit, const QString &text);

#pragma once

#include <QDialog>

class QPlainTextEdit;

// Shows a long failure text (a script's error output) in a scrollable field, and prints it once
// on the warning output as "ZYN error : <text>".
class QAZynErrorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QAZynErrorDialog(const QString &message, QWidget *parent = nullptr,
                              const QString &name = QString());

    QPlainTextEdit *messageView() const { return m_messageView; }

private:
    QPlainTextEdit *m_messageView = nullptr;
};

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A modeless window asking the user to wait while a script runs, optionally with Cancel. The
// owner shows, hides and deletes it; it never closes itself.
class QAZynWaitDlg : public QDialog
{
    Q_OBJECT

public:
    QAZynWaitDlg(const QString &text, const QString &caption, bool withCancel,
                 QWidget *parent = nullptr, const QString &name = QString());

    QLabel *messageLabel() const { return m_messageLabel; }
    // Null when the dialog has no Cancel button.
    QPushButton *cancelButton() const { return m_cancelButton; }

Q_SIGNALS:
    void canceled();

private:
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A modeless "please wait" window shown while an external script runs, optionally with a Cancel
// button. Its owner shows, hides and deletes it; it never closes itself.
class QAZynWaitDlg : public QDialog
{
    Q_OBJECT

public:
    QAZynWaitDlg(const QString &text, const QString &caption, bool withCancel,
                 QWidget *parent = nullptr, const QString &name = QString());

    QLabel *messageLabel() const { return m_messageLabel; }
    // Null when the dialog was built without Cancel.
    QPushButton *cancelButton() const { return m_cancelButton; }

    // Escape and the window's close button stand for Cancel, and do nothing without one: the
    // script goes on, so the window must stay until its owner removes it.
    void reject() override;

Q_SIGNALS:
    void canceled();

private:
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

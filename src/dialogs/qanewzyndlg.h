#pragma once

#include <QDialog>

class QRadioButton;

// Asks for the language family of a new document; the answer is the template to start from.
class QANewZynDlg : public QDialog
{
    Q_OBJECT

public:
    explicit QANewZynDlg(QWidget *parent = nullptr, const QString &name = QString());

    // The chosen template's file name; null until the dialog is accepted.
    QString templateName() const { return m_templateName; }

public Q_SLOTS:
    void accept() override;

private:
    QRadioButton *m_cButton;
    QRadioButton *m_adaButton;
    QRadioButton *m_j2seButton;
    QRadioButton *m_j2meButton;
    QString m_templateName;
};

#pragma once

#include <QDialog>

// Shows a script failure or another long message, and prints it on standard error.
class QAZynErrorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QAZynErrorDialog(const QString &message, QWidget *parent = nullptr,
                              const QString &name = QString());
};

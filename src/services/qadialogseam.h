#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every modal question of the program goes through this one interface, so that tests can answer
// it. The default implementation runs the real Qt dialogs.
class QADialogSeam
{
public:
    virtual ~QADialogSeam() = default;

    static QADialogSeam &instance();
    // Installs another implementation (not owned); null restores the real dialogs.
    static void setInstance(QADialogSeam *seam);

    // A standard message box; answers the button pressed (escapeButton when closed).
    virtual QMessageBox::StandardButton
    message(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            QMessageBox::StandardButton escapeButton = QMessageBox::NoButton)
        = 0;

    // A message box with buttons of its own texts; answers the index of the button pressed, or
    // escapeIndex (-1 when none) when closed.
    virtual int choice(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                       const QString &text, const QStringList &buttonTexts, int defaultIndex,
                       int escapeIndex = -1)
        = 0;

    // File and directory dialogs answer an empty string on cancel.
    virtual QString openFileName(QWidget *parent, const QString &objectName, const QString &caption,
                                 const QString &startWith, const QString &filter)
        = 0;
    virtual QString saveFileName(QWidget *parent, const QString &objectName, const QString &caption,
                                 const QString &startWith, const QString &filter)
        = 0;
    virtual QString existingDirectory(QWidget *parent, const QString &objectName,
                                      const QString &caption, const QString &startWith)
        = 0;

    // Input dialogs answer whether the user confirmed.
    virtual bool getText(QWidget *parent, const QString &caption, const QString &label,
                         QString *text)
        = 0;
    virtual bool getInt(QWidget *parent, const QString &caption, const QString &label, int *value,
                        int minimum, int maximum, int step)
        = 0;

    // Runs a dialog of the program's own modally; answers its result code.
    virtual int exec(QDialog *dialog) = 0;
};

// The real dialogs.
class QARealDialogs : public QADialogSeam
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &caption, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton) override;
    int choice(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
               const QStringList &buttonTexts, int defaultIndex, int escapeIndex) override;
    QString openFileName(QWidget *parent, const QString &objectName, const QString &caption,
                         const QString &startWith, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &objectName, const QString &caption,
                         const QString &startWith, const QString &filter) override;
    QString existingDirectory(QWidget *parent, const QString &objectName, const QString &caption,
                              const QString &startWith) override;
    bool getText(QWidget *parent, const QString &caption, const QString &label,
                 QString *text) override;
    bool getInt(QWidget *parent, const QString &caption, const QString &label, int *value,
                int minimum, int maximum, int step) override;
    int exec(QDialog *dialog) override;
};

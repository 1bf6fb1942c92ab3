#include "services/qadialogseam.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

static QADialogSeam *installedSeam = nullptr;

QADialogSeam &QADialogSeam::instance()
{
    static QARealDialogs realDialogs;
    return installedSeam ? *installedSeam : realDialogs;
}

void QADialogSeam::setInstance(QADialogSeam *seam)
{
    installedSeam = seam;
}

QMessageBox::StandardButton QARealDialogs::message(QWidget *parent, QMessageBox::Icon icon,
                                                   const QString &caption, const QString &text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton,
                                                   QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
    box.exec();
    auto *clicked = box.clickedButton();
    if (!clicked)
        return escapeButton;
    return box.standardButton(clicked);
}

int QARealDialogs::choice(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                          const QString &text, const QStringList &buttonTexts, int defaultIndex,
                          int escapeIndex)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    QList<QPushButton *> buttons;
    for (const QString &buttonText : buttonTexts)
        buttons.append(box.addButton(buttonText, QMessageBox::ActionRole));
    if (defaultIndex >= 0 && defaultIndex < buttons.size())
        box.setDefaultButton(buttons.at(defaultIndex));
    if (escapeIndex >= 0 && escapeIndex < buttons.size())
        box.setEscapeButton(buttons.at(escapeIndex));
    box.exec();
    const int index = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return index >= 0 ? index : escapeIndex;
}

static QString runFileDialog(QWidget *parent, const QString &objectName, const QString &caption,
                             const QString &startWith, const QString &filter,
                             QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode)
{
    QFileDialog dialog(parent, caption, startWith, filter);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    if (fileMode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    if (QFileInfo(startWith).isFile() || mode == QFileDialog::AcceptSave)
        dialog.selectFile(startWith);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().constFirst()).canonicalFilePath().isEmpty()
        ? dialog.selectedFiles().constFirst()
        : QFileInfo(dialog.selectedFiles().constFirst()).canonicalFilePath();
}

QString QARealDialogs::openFileName(QWidget *parent, const QString &objectName,
                                    const QString &caption, const QString &startWith,
                                    const QString &filter)
{
    return runFileDialog(parent, objectName, caption, startWith, filter, QFileDialog::AcceptOpen,
                         QFileDialog::ExistingFile);
}

QString QARealDialogs::saveFileName(QWidget *parent, const QString &objectName,
                                    const QString &caption, const QString &startWith,
                                    const QString &filter)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Asking before replacing is the caller's business.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!startWith.isEmpty())
        dialog.selectFile(startWith);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QARealDialogs::existingDirectory(QWidget *parent, const QString &objectName,
                                         const QString &caption, const QString &startWith)
{
    return runFileDialog(parent, objectName, caption, startWith, QString(), QFileDialog::AcceptOpen,
                         QFileDialog::Directory);
}

bool QARealDialogs::getText(QWidget *parent, const QString &caption, const QString &label,
                            QString *text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, label, QLineEdit::Normal,
                                                 text ? *text : QString(), &ok);
    if (ok && text)
        *text = answer;
    return ok;
}

bool QARealDialogs::getInt(QWidget *parent, const QString &caption, const QString &label,
                           int *value, int minimum, int maximum, int step)
{
    bool ok = false;
    const int answer = QInputDialog::getInt(parent, caption, label, value ? *value : 0, minimum,
                                            maximum, step, &ok);
    if (ok && value)
        *value = answer;
    return ok;
}

int QARealDialogs::exec(QDialog *dialog)
{
    return dialog->exec();
}

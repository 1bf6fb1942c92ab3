#pragma once

#include "services/qadialogseam.h"

#include <QDebug>
#include <QList>
#include <QMetaType>
#include <QVariant>

#include <functional>

// Which of the seam's questions was asked: one kind per function of the seam.
enum class DialogKind { Message, Choice, OpenFile, SaveFile, Directory, Text, Int, Exec };
Q_DECLARE_METATYPE(DialogKind)

// The kind's name, for QCOMPARE's report.
char *toString(DialogKind kind);
QDebug operator<<(QDebug debug, DialogKind kind);

// A dialog seam that records every question and answers from a script of queued answers.
// Unanswered questions fail the test instead of waiting for a person.
class ScriptedDialogs : public QADialogSeam
{
public:
    struct Question
    {
        DialogKind kind = DialogKind::Message;
        QString caption;
        QString text;
        QString objectName;
        QString startWith;
        QString filter;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
        QStringList buttonTexts;
        int defaultIndex = -1;
        int minimum = 0;
        int maximum = 0;
        int initial = 0;
        QString dialogClass;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Queued answers, consumed in order: a StandardButton (message), an int (choice index, getInt
    // value, exec result), a QString (file names, getText; a null QString means cancel).
    void answer(const QVariant &value) { m_answers.append(value); }
    // Runs on a dialog handed to exec() before its answer is taken (to read or fill it).
    void onExec(std::function<int(QDialog *)> handler)
    {
        m_execHandlers.append(std::move(handler));
    }

    const QList<Question> &questions() const { return m_questions; }
    Question last() const { return m_questions.isEmpty() ? Question() : m_questions.last(); }
    // The questions of one kind asked so far.
    QList<Question> asked(DialogKind kind) const;
    int unansweredCount() const { return m_unanswered; }
    void clear();

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

private:
    QVariant takeAnswer();

    QList<QVariant> m_answers;
    QList<std::function<int(QDialog *)>> m_execHandlers;
    QList<Question> m_questions;
    int m_unanswered = 0;
};

#include "support/scripteddialogs.h"

#include <QDialog>
#include <QWindow>

ScriptedDialogs::ScriptedDialogs()
{
    QADialogSeam::setInstance(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    QADialogSeam::setInstance(nullptr);
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_execHandlers.clear();
    m_questions.clear();
    m_unanswered = 0;
}

QVariant ScriptedDialogs::takeAnswer()
{
    if (m_answers.isEmpty()) {
        ++m_unanswered;
        return QVariant();
    }
    return m_answers.takeFirst();
}

QMessageBox::StandardButton ScriptedDialogs::message(QWidget *, QMessageBox::Icon icon,
                                                     const QString &caption, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton,
                                                     QMessageBox::StandardButton escapeButton)
{
    Question q;
    q.kind = QStringLiteral("message");
    q.icon = icon;
    q.caption = caption;
    q.text = text;
    q.buttons = buttons;
    q.defaultButton = defaultButton;
    q.escapeButton = escapeButton;
    m_questions.append(q);
    const QVariant answer = takeAnswer();
    if (!answer.isValid()) {
        // Unscripted boxes with a single button are plain notices: take them as read.
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        return QMessageBox::Ok;
    }
    return static_cast<QMessageBox::StandardButton>(answer.toInt());
}

int ScriptedDialogs::choice(QWidget *, QMessageBox::Icon icon, const QString &caption,
                            const QString &text, const QStringList &buttonTexts, int defaultIndex,
                            int escapeIndex)
{
    Question q;
    q.kind = QStringLiteral("choice");
    q.icon = icon;
    q.caption = caption;
    q.text = text;
    q.buttonTexts = buttonTexts;
    q.defaultIndex = defaultIndex;
    m_questions.append(q);
    const QVariant answer = takeAnswer();
    return answer.isValid() ? answer.toInt() : escapeIndex;
}

static ScriptedDialogs::Question fileQuestion(const QString &kind, const QString &objectName,
                                              const QString &caption, const QString &startWith,
                                              const QString &filter)
{
    ScriptedDialogs::Question q;
    q.kind = kind;
    q.objectName = objectName;
    q.caption = caption;
    q.startWith = startWith;
    q.filter = filter;
    return q;
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &objectName, const QString &caption,
                                      const QString &startWith, const QString &filter)
{
    m_questions.append(
        fileQuestion(QStringLiteral("open"), objectName, caption, startWith, filter));
    return takeAnswer().toString();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &objectName, const QString &caption,
                                      const QString &startWith, const QString &filter)
{
    m_questions.append(
        fileQuestion(QStringLiteral("save"), objectName, caption, startWith, filter));
    return takeAnswer().toString();
}

QString ScriptedDialogs::existingDirectory(QWidget *, const QString &objectName,
                                           const QString &caption, const QString &startWith)
{
    m_questions.append(
        fileQuestion(QStringLiteral("directory"), objectName, caption, startWith, QString()));
    return takeAnswer().toString();
}

bool ScriptedDialogs::getText(QWidget *, const QString &caption, const QString &label,
                              QString *text)
{
    Question q;
    q.kind = QStringLiteral("text");
    q.caption = caption;
    q.text = label;
    q.startWith = text ? *text : QString();
    m_questions.append(q);
    const QVariant answer = takeAnswer();
    if (!answer.isValid() || answer.toString().isNull())
        return false;
    if (text)
        *text = answer.toString();
    return true;
}

bool ScriptedDialogs::getInt(QWidget *, const QString &caption, const QString &label, int *value,
                             int minimum, int maximum, int)
{
    Question q;
    q.kind = QStringLiteral("int");
    q.caption = caption;
    q.text = label;
    q.minimum = minimum;
    q.maximum = maximum;
    q.initial = value ? qBound(minimum, *value, maximum) : 0;
    m_questions.append(q);
    const QVariant answer = takeAnswer();
    if (!answer.isValid())
        return false;
    if (value)
        *value = answer.toInt();
    return true;
}

int ScriptedDialogs::exec(QDialog *dialog)
{
    Question q;
    q.kind = QStringLiteral("exec");
    q.dialogClass = QString::fromLatin1(dialog->metaObject()->className());
    q.objectName = dialog->objectName();
    q.caption = dialog->windowTitle();
    m_questions.append(q);
    if (!m_execHandlers.isEmpty())
        return m_execHandlers.takeFirst()(dialog);
    const QVariant answer = takeAnswer();
    return answer.isValid() ? answer.toInt() : QDialog::Rejected;
}

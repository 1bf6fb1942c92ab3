#include "support/scripteddialogs.h"

#include <QDialog>
#include <QWindow>

static const char *nameOf(DialogKind kind)
{
    static const char *const names[]
        = { "Message", "Choice", "OpenFile", "SaveFile", "Directory", "Text", "Int", "Exec" };
    return names[int(kind)];
}

char *toString(DialogKind kind)
{
    return qstrdup(nameOf(kind));
}

QDebug operator<<(QDebug debug, DialogKind kind)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << nameOf(kind);
    return debug;
}

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

QList<ScriptedDialogs::Question> ScriptedDialogs::asked(DialogKind kind) const
{
    QList<Question> list;
    for (const Question &q : m_questions) {
        if (q.kind == kind)
            list.append(q);
    }
    return list;
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
    q.kind = DialogKind::Message;
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
    q.kind = DialogKind::Choice;
    q.icon = icon;
    q.caption = caption;
    q.text = text;
    q.buttonTexts = buttonTexts;
    q.defaultIndex = defaultIndex;
    m_questions.append(q);
    const QVariant answer = takeAnswer();
    return answer.isValid() ? answer.toInt() : escapeIndex;
}

static ScriptedDialogs::Question fileQuestion(DialogKind kind, const QString &objectName,
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
    m_questions.append(fileQuestion(DialogKind::OpenFile, objectName, caption, startWith, filter));
    return takeAnswer().toString();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &objectName, const QString &caption,
                                      const QString &startWith, const QString &filter)
{
    m_questions.append(fileQuestion(DialogKind::SaveFile, objectName, caption, startWith, filter));
    return takeAnswer().toString();
}

QString ScriptedDialogs::existingDirectory(QWidget *, const QString &objectName,
                                           const QString &caption, const QString &startWith)
{
    m_questions.append(
        fileQuestion(DialogKind::Directory, objectName, caption, startWith, QString()));
    return takeAnswer().toString();
}

bool ScriptedDialogs::getText(QWidget *, const QString &caption, const QString &label,
                              QString *text)
{
    Question q;
    q.kind = DialogKind::Text;
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
    q.kind = DialogKind::Int;
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
    q.kind = DialogKind::Exec;
    q.dialogClass = QString::fromLatin1(dialog->metaObject()->className());
    q.objectName = dialog->objectName();
    q.caption = dialog->windowTitle();
    m_questions.append(q);
    if (!m_execHandlers.isEmpty())
        return m_execHandlers.takeFirst()(dialog);
    const QVariant answer = takeAnswer();
    return answer.isValid() ? answer.toInt() : QDialog::Rejected;
}

#include "document/qatypingcommand.h"

#include "document/qadocumenteditor.h"

// Keystrokes further apart than this start a new step.
static constexpr qint64 TypingPause = 1000;

QATypingCommand::QATypingCommand(QADocumentEditor *door, const QDomElement &element, bool typing,
                                 qint64 stamp, int epoch)
    : m_element(element)
    , m_door(door)
    , m_typing(typing)
    , m_lastStamp(stamp)
    , m_epoch(epoch)
{ }

bool QATypingCommand::continuesWith(const QATypingCommand &next)
{
    if (!m_typing || !next.m_typing || next.m_epoch != m_epoch || next.m_lastStamp < m_lastStamp
        || next.m_lastStamp - m_lastStamp > TypingPause)
        return false;
    m_lastStamp = next.m_lastStamp;
    return true;
}

void QATypingCommand::report(QADocumentChange::Kind kind, const QString &name, const QString &from,
                             const QString &to)
{
    QADocumentChange change;
    change.kind = kind;
    change.element = m_element;
    change.name = name;
    m_door->noteFieldChange(change, from, to);
}

int QATypingCommand::changeEnd(const QString &from, const QString &to)
{
    qsizetype prefix = 0;
    const qsizetype shortest = qMin(from.size(), to.size());
    while (prefix < shortest && from[prefix] == to[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shortest - prefix
           && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    return int(to.size() - suffix);
}

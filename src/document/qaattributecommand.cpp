#include "document/qaattributecommand.h"

#include "document/qadocumenteditor.h"
#include "document/qatextcommand.h"

static constexpr qint64 TypingPause = 1000;

QAAttributeCommand::QAAttributeCommand(QADocumentEditor *door, const QDomElement &element,
                                       const QString &name, const QString &value, bool typing,
                                       qint64 stamp, int epoch)
    : m_door(door)
    , m_element(element)
    , m_name(name)
    , m_hadValue(element.hasAttribute(name))
    , m_oldValue(element.attribute(name))
    , m_newValue(value)
    , m_typing(typing)
    , m_lastStamp(stamp)
    , m_epoch(epoch)
{ }

void QAAttributeCommand::redo()
{
    m_element.setAttribute(m_name, m_newValue);
    report(m_oldValue, m_newValue);
}

void QAAttributeCommand::undo()
{
    // An attribute the element did not have goes again, so that the file reads as before.
    if (m_hadValue)
        m_element.setAttribute(m_name, m_oldValue);
    else
        m_element.removeAttribute(m_name);
    report(m_newValue, m_oldValue);
}

bool QAAttributeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const QAAttributeCommand *>(other);
    if (!m_typing || !next->m_typing || next->m_element != m_element || next->m_name != m_name
        || next->m_epoch != m_epoch || next->m_lastStamp < m_lastStamp
        || next->m_lastStamp - m_lastStamp > TypingPause)
        return false;
    m_newValue = next->m_newValue;
    m_lastStamp = next->m_lastStamp;
    if (m_hadValue && m_newValue == m_oldValue)
        setObsolete(true);
    return true;
}

void QAAttributeCommand::report(const QString &from, const QString &to)
{
    QADocumentChange change;
    change.kind = QADocumentChange::Attribute;
    change.element = m_element;
    change.name = m_name;
    change.cursor = QATextCommand::changeEnd(from, to);
    m_door->noteChange(change);
}

#include "document/qaattributecommand.h"

QAAttributeCommand::QAAttributeCommand(QADocumentEditor *door, const QDomElement &element,
                                       const QString &name, const QString &value, bool typing,
                                       qint64 stamp, int epoch)
    : QATypingCommand(door, element, typing, stamp, epoch)
    , m_name(name)
    , m_hadValue(element.hasAttribute(name))
    , m_oldValue(element.attribute(name))
    , m_newValue(value)
{ }

void QAAttributeCommand::redo()
{
    m_element.setAttribute(m_name, m_newValue);
    report(QADocumentChange::Attribute, m_name, m_oldValue, m_newValue);
}

void QAAttributeCommand::undo()
{
    // An attribute the element did not have goes again, so that the file reads as before.
    if (m_hadValue)
        m_element.setAttribute(m_name, m_oldValue);
    else
        m_element.removeAttribute(m_name);
    report(QADocumentChange::Attribute, m_name, m_newValue, m_oldValue);
}

bool QAAttributeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const QAAttributeCommand *>(other);
    if (next->m_element != m_element || next->m_name != m_name || !continuesWith(*next))
        return false;
    m_newValue = next->m_newValue;
    if (m_hadValue && m_newValue == m_oldValue)
        setObsolete(true);
    return true;
}

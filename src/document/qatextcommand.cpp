#include "document/qatextcommand.h"

#include "document/domtext.h"

QATextCommand::QATextCommand(QADocumentEditor *door, const QDomElement &element, const QString &tag,
                             const QString &text, bool typing, qint64 stamp, int epoch)
    : QATypingCommand(door, element, typing, stamp, epoch)
    , m_field(element.firstChildElement(tag))
    , m_tag(tag)
    , m_oldText(childText(tag, element, 1))
    , m_newText(text)
{
    for (QDomNode node = m_field.firstChild(); node.isText(); node = node.nextSibling())
        m_oldNodes.append(node.cloneNode(true));
}

bool QATextCommand::changesAnything() const
{
    return !m_field.isNull() && m_oldText != m_newText;
}

void QATextCommand::redo()
{
    setChildText(m_newText, m_tag, m_element, 1);
    report(QADocumentChange::Text, m_tag, m_oldText, m_newText);
}

void QATextCommand::undo()
{
    while (m_field.firstChild().isText())
        m_field.removeChild(m_field.firstChild());
    const QDomNode next = m_field.firstChild();
    for (const QDomNode &node : m_oldNodes) {
        // Copies again: a later redo changes the node it finds in place.
        if (next.isNull())
            m_field.appendChild(node.cloneNode(true));
        else
            m_field.insertBefore(node.cloneNode(true), next);
    }
    report(QADocumentChange::Text, m_tag, m_newText, m_oldText);
}

bool QATextCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const QATextCommand *>(other);
    if (next->m_field != m_field || !continuesWith(*next))
        return false;
    m_newText = next->m_newText;
    if (m_newText == m_oldText) {
        // Back where it started: the step drops out, and the child gets its own nodes back.
        undo();
        setObsolete(true);
    }
    return true;
}

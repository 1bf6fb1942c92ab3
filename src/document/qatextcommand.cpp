#include "document/qatextcommand.h"

#include "document/domtext.h"
#include "document/qadocumenteditor.h"

// Keystrokes further apart than this start a new step.
static constexpr qint64 TypingPause = 1000;

QATextCommand::QATextCommand(QADocumentEditor *door, const QDomElement &element, const QString &tag,
                             const QString &text, bool typing, qint64 stamp, int epoch)
    : m_door(door)
    , m_element(element)
    , m_field(element.firstChildElement(tag))
    , m_tag(tag)
    , m_oldText(childText(tag, element, 1))
    , m_newText(text)
    , m_typing(typing)
    , m_lastStamp(stamp)
    , m_epoch(epoch)
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
    report(m_oldText, m_newText);
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
    report(m_newText, m_oldText);
}

bool QATextCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const QATextCommand *>(other);
    if (!m_typing || !next->m_typing || next->m_field != m_field || next->m_epoch != m_epoch
        || next->m_lastStamp - m_lastStamp > TypingPause || next->m_lastStamp < m_lastStamp)
        return false;
    m_newText = next->m_newText;
    m_lastStamp = next->m_lastStamp;
    if (m_newText == m_oldText) {
        // Back where it started: the step drops out, and the child gets its own nodes back.
        undo();
        setObsolete(true);
    }
    return true;
}

int QATextCommand::changeEnd(const QString &from, const QString &to)
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

void QATextCommand::report(const QString &from, const QString &to)
{
    QADocumentChange change;
    change.kind = QADocumentChange::Text;
    change.element = m_element;
    change.name = m_tag;
    change.cursor = changeEnd(from, to);
    m_door->noteChange(change);
}

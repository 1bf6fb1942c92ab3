#include "document/qaplacementcommand.h"

#include "document/qadocumenteditor.h"

QAPlacementCommand::QAPlacementCommand(QADocumentEditor *door, const QDomElement &element,
                                       const Place &from, const Place &to)
    : m_door(door)
    , m_element(element)
    , m_from(from)
    , m_to(to)
{ }

QAPlacementCommand::Place QAPlacementCommand::placeOf(const QDomElement &element)
{
    return { element.parentNode().toElement(), element.nextSibling() };
}

void QAPlacementCommand::redo()
{
    place(m_from, m_to);
}

void QAPlacementCommand::undo()
{
    place(m_to, m_from);
}

void QAPlacementCommand::place(const Place &from, const Place &to)
{
    if (!from.parent.isNull()) {
        m_door->noteRemoving(m_element);
        QDomElement parent = from.parent;
        parent.removeChild(m_element);
    }
    if (!to.parent.isNull()) {
        QDomElement parent = to.parent;
        if (to.before.isNull())
            parent.appendChild(m_element);
        else
            parent.insertBefore(m_element, to.before);
        m_door->noteInserted(m_element);
    }
    QADocumentChange change;
    change.kind = QADocumentChange::Placement;
    change.element = m_element;
    change.parent = to.parent.isNull() ? from.parent : to.parent;
    m_door->noteChange(change);
}

#pragma once

#include <QDomElement>
#include <QUndoCommand>

class QADocumentEditor;

// Puts an element in, takes it out, or moves it among its siblings. The element itself is kept
// (a handle shares it with the document), so a removed file's content is held once, whatever
// its size, and comes back as the very same node.
class QAPlacementCommand : public QUndoCommand
{
public:
    // A place in the document: under parent, in front of before (last when before is null). A
    // null parent stands for "out of the document".
    struct Place
    {
        QDomElement parent;
        QDomNode before;
    };

    QAPlacementCommand(QADocumentEditor *door, const QDomElement &element, const Place &from,
                       const Place &to);

    void redo() override;
    void undo() override;

    // The element's place as it is now.
    static Place placeOf(const QDomElement &element);

private:
    void place(const Place &from, const Place &to);

    QADocumentEditor *m_door;
    QDomElement m_element;
    Place m_from;
    Place m_to;
};

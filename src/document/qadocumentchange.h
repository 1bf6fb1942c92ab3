#pragma once

#include <QDomElement>
#include <QMetaType>
#include <QString>

// What one step of the history touched, so that the editor can show the user where an undo or a
// redo took the document.
struct QADocumentChange
{
    enum Kind { None, Text, Attribute, Placement };

    Kind kind = None;
    // The element holding the field (the parent of a COMMENT, VALUE or KEY child, the owner of
    // an attribute), or the element that was inserted, removed or moved.
    QDomElement element;
    // Where a placed element sits, or sat before it was taken out.
    QDomElement parent;
    // The child's tag of a text, the attribute's name.
    QString name;
    // Cursor in the field's text as the step left it.
    int cursor = -1;
};

Q_DECLARE_METATYPE(QADocumentChange)

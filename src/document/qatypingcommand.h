#pragma once

#include "document/qadocumentchange.h"

#include <QDomElement>
#include <QUndoCommand>

class QADocumentEditor;

// A write into one field of an element. Typed writes to the same field merge into one step while
// they follow each other closely and no other edit came between them (the same epoch).
class QATypingCommand : public QUndoCommand
{
public:
    // Where an edit from `from` to `to` ends in `to`: after the last character that differs.
    static int changeEnd(const QString &from, const QString &to);

protected:
    QATypingCommand(QADocumentEditor *door, const QDomElement &element, bool typing, qint64 stamp,
                    int epoch);

    // Whether next, a write to the same field, continues this step as typing; the step then
    // lasts until next's time.
    bool continuesWith(const QATypingCommand &next);
    // Tells the door that the field (kind and name) went from `from` to `to`.
    void report(QADocumentChange::Kind kind, const QString &name, const QString &from,
                const QString &to);

    QDomElement m_element;

private:
    QADocumentEditor *m_door;
    bool m_typing;
    qint64 m_lastStamp;
    int m_epoch;
};

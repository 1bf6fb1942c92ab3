#pragma once

#include "document/qatypingcommand.h"

#include <QList>

// Writes the text of one child (COMMENT, VALUE, KEY) of an element. Keystrokes in the same field
// merge into one step while they follow each other closely; the step keeps the child's text
// nodes as they were, so that an undo gives back the very same nodes (CDATA sections included).
class QATextCommand : public QATypingCommand
{
public:
    enum { Id = 0x7a01 };

    QATextCommand(QADocumentEditor *door, const QDomElement &element, const QString &tag,
                  const QString &text, bool typing, qint64 stamp, int epoch);

    void redo() override;
    void undo() override;
    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;

    // Whether the child exists and the text differs from what it holds.
    bool changesAnything() const;
    QString oldText() const { return m_oldText; }

private:
    QDomElement m_field;
    QString m_tag;
    QString m_oldText;
    QString m_newText;
    // Copies of the text nodes the child started with.
    QList<QDomNode> m_oldNodes;
};

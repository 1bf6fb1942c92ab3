#pragma once

#include "document/qatypingcommand.h"

// Sets (or, undone, restores or removes) one attribute of an element. Typing into a field that
// holds an attribute merges like typing into a text.
class QAAttributeCommand : public QATypingCommand
{
public:
    enum { Id = 0x7a02 };

    QAAttributeCommand(QADocumentEditor *door, const QDomElement &element, const QString &name,
                       const QString &value, bool typing, qint64 stamp, int epoch);

    void redo() override;
    void undo() override;
    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;

    bool changesAnything() const { return !m_hadValue || m_oldValue != m_newValue; }
    QString oldValue() const { return m_oldValue; }

private:
    QString m_name;
    bool m_hadValue;
    QString m_oldValue;
    QString m_newValue;
};

#pragma once

#include "document/qadocumentchange.h"

#include <QDomDocument>
#include <QObject>

#include <functional>

class QUndoCommand;
class QUndoStack;

// The one door through which every user edit reaches a document: each edit becomes a command on
// the document's undo stack. Panes and the tree ask it to write and refresh when it tells them
// that an element changed. Widget-free: it knows elements, never the panes that show them.
class QADocumentEditor : public QObject
{
    Q_OBJECT

public:
    // Keystrokes merge into one step per field; a setting chosen is one step of its own.
    enum Merge { Typing, Step };

    explicit QADocumentEditor(QObject *parent = nullptr);
    ~QADocumentEditor() override;

    // Edits of this document go through this editor from now on, with an empty history.
    void setDocument(const QDomDocument &document);
    QDomDocument document() const { return m_document; }
    QUndoStack *undoStack() const { return m_stack; }

    // The editor of the document that owns node. A document nobody edits (a pane on a document
    // of its own) gets a stand-in that writes at once and keeps no history.
    static QADocumentEditor *of(const QDomNode &node);

    // The text of element's first `tag` child; nothing happens when there is no such child or
    // the text is already that. The name, when given, replaces the usual "Typed in ...".
    void setText(const QDomElement &element, const QString &tag, const QString &text,
                 Merge merge = Typing, const QString &name = QString());
    void setAttribute(const QDomElement &element, const QString &attribute, const QString &value,
                      Merge merge, const QString &name);
    // Puts element (not in any document yet) under parent, in front of before, or last.
    void insertElement(const QDomElement &parent, const QDomElement &element,
                       const QDomNode &before, const QString &name);
    void removeElement(const QDomElement &element, const QString &name);
    // Moves element in front of before (a sibling of it), or last when before is null.
    void moveElement(const QDomElement &element, const QDomNode &before, const QString &name);

    // The next keystroke starts a step of its own (another field or node, a save).
    void breakMerge() { ++m_epoch; }
    void undo();
    void redo();

    // What the history calls an element: its label, name or key.
    static QString subjectOf(const QDomElement &element);

    // Milliseconds for telling a pause in typing; replaceable for tests.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // Called by the commands as they change the document.
    void noteChange(const QADocumentChange &change);
    // A field's text or value went from `from` to `to`.
    void noteFieldChange(QADocumentChange change, const QString &from, const QString &to);
    void noteInserted(const QDomElement &element);
    void noteRemoving(const QDomElement &element);

Q_SIGNALS:
    // As the document changes, whoever made the change included.
    void elementInserted(const QDomElement &element);
    void elementAboutToBeRemoved(const QDomElement &element);
    void elementChanged(const QDomElement &element, const QString &name);
    // An undo, a redo or a jump in the history left the document here: show it.
    void revisited(const QADocumentChange &change);

private:
    void execute(QUndoCommand *command);
    void stackMoved();

    QDomDocument m_document;
    QUndoStack *m_stack;
    std::function<qint64()> m_clock;
    int m_epoch = 0;
    bool m_pushing = false;
    QADocumentChange m_lastChange;
};

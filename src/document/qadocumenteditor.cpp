#include "document/qadocumenteditor.h"

#include "document/domtext.h"
#include "document/qaattributecommand.h"
#include "document/qaplacementcommand.h"
#include "document/qatextcommand.h"
#include "document/qatypingcommand.h"
#include "document/zynformat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScopedValueRollback>
#include <QUndoStack>

// Steps the history keeps before the oldest go.
static constexpr int HistoryLimit = 1000;

static QList<QADocumentEditor *> &registeredEditors()
{
    static QList<QADocumentEditor *> editors;
    return editors;
}

QADocumentEditor::QADocumentEditor(QObject *parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(HistoryLimit);
    m_clock = [] {
        static QElapsedTimer timer;
        if (!timer.isValid())
            timer.start();
        return timer.elapsed();
    };
    connect(m_stack, &QUndoStack::indexChanged, this, &QADocumentEditor::stackMoved);
    registeredEditors().append(this);
}

QADocumentEditor::~QADocumentEditor()
{
    registeredEditors().removeAll(this);
}

void QADocumentEditor::setDocument(const QDomDocument &document)
{
    m_lastChange = QADocumentChange();
    m_stack->clear();
    m_document = document;
}

QADocumentEditor *QADocumentEditor::of(const QDomNode &node)
{
    const QDomDocument document = node.ownerDocument();
    if (!document.isNull()) {
        for (QADocumentEditor *editor : registeredEditors()) {
            if (editor->m_document == document)
                return editor;
        }
    }
    // Never registered: it has no document, so no pane finds it as the door of one.
    static QADocumentEditor *const standIn = [] {
        auto *editor = new QADocumentEditor(QCoreApplication::instance());
        registeredEditors().removeAll(editor);
        return editor;
    }();
    return standIn;
}

void QADocumentEditor::execute(QUndoCommand *command)
{
    const QScopedValueRollback<bool> pushing(m_pushing, true);
    if (!registeredEditors().contains(this)) {
        command->redo();
        delete command;
        return;
    }
    m_stack->push(command);
}

void QADocumentEditor::setText(const QDomElement &element, const QString &tag, const QString &text,
                               Merge merge, const QString &name)
{
    auto *command
        = new QATextCommand(this, element, tag, text, merge == Typing, m_clock(), m_epoch);
    if (!command->changesAnything()) {
        delete command;
        return;
    }
    if (!name.isEmpty())
        command->setText(name);
    else if (tag == Zyn::Tag::Comment)
        command->setText(tr("Typed in the comment of %1").arg(subjectOf(element)));
    else
        command->setText(tr("Typed in %1").arg(subjectOf(element)));
    execute(command);
}

void QADocumentEditor::setAttribute(const QDomElement &element, const QString &attribute,
                                    const QString &value, Merge merge, const QString &name)
{
    auto *command = new QAAttributeCommand(this, element, attribute, value, merge == Typing,
                                           m_clock(), m_epoch);
    if (!command->changesAnything()) {
        delete command;
        return;
    }
    command->setText(name);
    execute(command);
}

void QADocumentEditor::insertElement(const QDomElement &parent, const QDomElement &element,
                                     const QDomNode &before, const QString &name)
{
    if (parent.isNull() || element.isNull())
        return;
    auto *command = new QAPlacementCommand(this, element, {}, { parent, before });
    command->setText(name);
    execute(command);
}

void QADocumentEditor::removeElement(const QDomElement &element, const QString &name)
{
    const QAPlacementCommand::Place from = QAPlacementCommand::placeOf(element);
    if (from.parent.isNull())
        return;
    auto *command = new QAPlacementCommand(this, element, from, {});
    command->setText(name);
    execute(command);
}

void QADocumentEditor::moveElement(const QDomElement &element, const QDomNode &before,
                                   const QString &name)
{
    const QAPlacementCommand::Place from = QAPlacementCommand::placeOf(element);
    if (from.parent.isNull() || before == element || before == from.before)
        return;
    auto *command = new QAPlacementCommand(this, element, from, { from.parent, before });
    command->setText(name);
    execute(command);
}

void QADocumentEditor::undo()
{
    breakMerge();
    m_stack->undo();
}

void QADocumentEditor::redo()
{
    breakMerge();
    m_stack->redo();
}

QString QADocumentEditor::subjectOf(const QDomElement &element)
{
    for (QDomElement e = element; !e.isNull(); e = e.parentNode().toElement()) {
        const QString label = e.attribute(Zyn::Attr::Label);
        if (!label.isEmpty())
            return QCoreApplication::translate("XDP Labels", label.toUtf8().constData());
        const QString name = e.attribute(Zyn::Attr::Name);
        if (!name.isEmpty())
            return name;
        if (!e.firstChildElement(Zyn::Tag::Key).isNull())
            return childText(Zyn::Tag::Key, e, 1);
    }
    return element.tagName();
}

void QADocumentEditor::noteChange(const QADocumentChange &change)
{
    m_lastChange = change;
    if (change.kind != QADocumentChange::Placement)
        Q_EMIT elementChanged(change.element, change.name);
}

void QADocumentEditor::noteFieldChange(QADocumentChange change, const QString &from,
                                       const QString &to)
{
    // Only an undo or a redo shows where the cursor ends. A new step is shown by whoever made it,
    // and comparing the two texts at every keystroke costs milliseconds in a text of megabytes.
    if (!m_pushing)
        change.cursor = QATypingCommand::changeEnd(from, to);
    noteChange(change);
}

void QADocumentEditor::noteInserted(const QDomElement &element)
{
    Q_EMIT elementInserted(element);
}

void QADocumentEditor::noteRemoving(const QDomElement &element)
{
    Q_EMIT elementAboutToBeRemoved(element);
}

void QADocumentEditor::stackMoved()
{
    // A new step is shown already by whoever made it.
    if (m_pushing || m_lastChange.kind == QADocumentChange::None)
        return;
    Q_EMIT revisited(m_lastChange);
}

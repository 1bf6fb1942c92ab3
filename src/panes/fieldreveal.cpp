#include "panes/fieldreveal.h"

#include "panes/qabinarymacro.h"
#include "panes/qacheckbox.h"
#include "panes/qalineedit.h"
#include "panes/qalonglines.h"
#include "panes/qaoptionnalmacro.h"
#include "panes/qatextmacro.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace FieldReveal {

void selectText(QPlainTextEdit *edit, const QAFieldRef &field)
{
    if (!edit)
        return;
    const QTextDocument *document = edit->document();
    const int end = document->characterCount() - 1;
    // Offsets count in the element's text; a long line may be shown in pieces.
    const int from = QALongLines::documentPosition(document, field.start);
    const int to = QALongLines::documentPosition(document, field.start + field.length);
    QTextCursor cursor(edit->document());
    cursor.setPosition(qBound(0, from, end));
    cursor.setPosition(qBound(0, to, end), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    focus(edit);
}

void selectText(QLineEdit *edit, const QAFieldRef &field)
{
    if (!edit)
        return;
    focus(edit);
    // After the focus: a line edit entered by keyboard may select all of its text.
    edit->setSelection(field.start, field.length);
}

void focus(QWidget *widget)
{
    if (!widget)
        return;
    // Through the widget's own slot: the panes' fields report focus that way.
    QMetaObject::invokeMethod(widget, "setFocus", Qt::DirectConnection);
}

QWidget *macroWidget(QWidget *container, const QDomElement &macro)
{
    for (auto *widget : container->findChildren<QAMacroWidget *>()) {
        if (widget->macroElement() == macro)
            return widget;
    }
    return nullptr;
}

bool revealMacro(QWidget *container, const QAFieldRef &field)
{
    if (field.kind != QAFieldRef::MacroName && field.kind != QAFieldRef::MacroValue
        && field.kind != QAFieldRef::MacroSwitch)
        return false;
    QWidget *widget = macroWidget(container, field.element);
    QLineEdit *value = nullptr;
    QWidget *check = nullptr;
    if (auto *text = qobject_cast<QATextMacro *>(widget)) {
        value = text->valueField();
    } else if (auto *optional = qobject_cast<QAOptionnalMacro *>(widget)) {
        value = optional->valueField();
        check = optional->checkField();
    } else if (auto *binary = qobject_cast<QABinaryMacro *>(widget)) {
        check = binary->checkField();
    } else {
        return false;
    }
    // A name is the label of the line or the text of the check box: neither holds a selection.
    if (field.kind == QAFieldRef::MacroValue && value)
        selectText(value, field);
    else if (field.kind == QAFieldRef::MacroSwitch && check)
        focus(check);
    else
        focus(check ? check : value);
    return true;
}

} // namespace FieldReveal

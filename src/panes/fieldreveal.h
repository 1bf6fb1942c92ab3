#pragma once

#include "panes/qafieldref.h"

#include <QDomElement>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Small steps that panes share when they show a field.
namespace FieldReveal {

// Focuses the editor and selects the field's range, scrolled into view.
void selectText(QPlainTextEdit *edit, const QAFieldRef &field);
void selectText(QLineEdit *edit, const QAFieldRef &field);
// Focuses a widget that cannot show a selection (a check box, a read-only line's neighbour).
void focus(QWidget *widget);
// Shows the name or value of the macro widget below `container` that edits the field's element;
// false when there is none.
bool revealMacro(QWidget *container, const QAFieldRef &field);
// The macro widget below `container` that edits that macro element, or null.
QWidget *macroWidget(QWidget *container, const QDomElement &macro);

} // namespace FieldReveal

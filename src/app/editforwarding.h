#pragma once

class QWidget;

enum class EditCommand { Undo, Redo, Cut, Copy, Paste, SelectAll };

// Applies an Edit menu command to the text field focus, if it is one; anything else ignores it.
void forwardEdit(QWidget *focus, EditCommand command);

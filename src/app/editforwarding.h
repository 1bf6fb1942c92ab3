#pragma once

class QWidget;

// Undo and redo are the document's (QAZynEditor::undo), never a field's.
enum class EditCommand { Cut, Copy, Paste, SelectAll };

// Applies an Edit menu command to the text field focus, if it is one; anything else ignores it.
void forwardEdit(QWidget *focus, EditCommand command);

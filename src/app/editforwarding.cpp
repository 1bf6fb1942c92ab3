#include "app/editforwarding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

template<typename Edit> void apply(Edit *edit, EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        edit->undo();
        break;
    case EditCommand::Redo:
        edit->redo();
        break;
    case EditCommand::Cut:
        edit->cut();
        break;
    case EditCommand::Copy:
        edit->copy();
        break;
    case EditCommand::Paste:
        edit->paste();
        break;
    case EditCommand::SelectAll:
        edit->selectAll();
        break;
    }
}

} // namespace

void forwardEdit(QWidget *focus, EditCommand command)
{
    // An editable combo box (the find box) keeps the focus itself, not its line edit.
    if (auto *combo = qobject_cast<QComboBox *>(focus); combo && combo->lineEdit())
        focus = combo->lineEdit();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(focus))
        apply(plain, command);
    else if (auto *rich = qobject_cast<QTextEdit *>(focus))
        apply(rich, command);
    else if (auto *line = qobject_cast<QLineEdit *>(focus))
        apply(line, command);
}

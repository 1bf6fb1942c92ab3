#include "app/editforwarding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <functional>

namespace {

// The commands in the order of EditCommand.
template<typename Edit> void apply(Edit *edit, EditCommand command)
{
    const std::function<void()> commands[] = {
        [edit] { edit->undo(); }, [edit] { edit->redo(); },  [edit] { edit->cut(); },
        [edit] { edit->copy(); }, [edit] { edit->paste(); }, [edit] { edit->selectAll(); },
    };
    commands[int(command)]();
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

#include "dialogs/qazyntextedit.h"

QAZynTextEdit::QAZynTextEdit(QWidget *parent, int lineOffset, const QString &name)
    : QPlainTextEdit(parent)
    , m_lineOffset(lineOffset)
{
    setObjectName(name);
}

#include "panes/qatextedit.h"

#include "panes/qafocusreport.h"
#include "panes/qalonglines.h"

#include <QTextDocument>

QATextEdit::QATextEdit(QWidget *parent)
    : QAPlainTextEdit(parent)
    , m_focusReport(QAFocusReport::attach(this, &QATextEdit::isPressed))
{ }

void QATextEdit::setFocus()
{
    m_focusReport->setFocus();
}

QString exactPlainText(const QPlainTextEdit *edit)
{
    if (const auto *field = qobject_cast<const QAPlainTextEdit *>(edit))
        return field->exactText();
    return QALongLines::text(edit->document());
}

void setExactPlainText(QPlainTextEdit *edit, const QString &text)
{
    if (auto *field = qobject_cast<QAPlainTextEdit *>(edit))
        field->setExactText(text);
    else
        QALongLines::setText(edit, text);
}

#include "panes/qalinenumberarea.h"

#include "panes/qaplaintextedit.h"

QALineNumberArea::QALineNumberArea(QAPlainTextEdit *editor)
    : QWidget(editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("lineNumbers"));
}

QSize QALineNumberArea::sizeHint() const
{
    return QSize(m_editor->lineNumberAreaWidth(), 0);
}

void QALineNumberArea::paintEvent(QPaintEvent *event)
{
    m_editor->paintLineNumbers(event);
}

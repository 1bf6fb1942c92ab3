#include "panes/qacommentbox.h"

#include "panes/qatextedit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

QACommentBox QACommentBox::add(QWidget *pane, QBoxLayout *layout, const QString &title,
                               const QString &text)
{
    QACommentBox box;
    box.edit = new QATextEdit(pane);
    box.edit->setMaximumHeight(60);
    box.edit->setFrameStyle(QFrame::Box | QFrame::Raised);
    box.edit->setLineWidth(1);
    box.edit->setMidLineWidth(2);
    setExactPlainText(box.edit, text);
    box.title = new QLabel(escapeMnemonics(title), pane);
    box.title->setBuddy(box.edit);
    layout->addWidget(box.title);
    layout->addSpacing(5);
    layout->addWidget(box.edit);
    return box;
}

void QACommentBox::refill(const QString &newTitle, const QString &text) const
{
    const QSignalBlocker blocker(edit);
    title->setText(escapeMnemonics(newTitle));
    setExactPlainText(edit, text);
}

QString escapeMnemonics(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

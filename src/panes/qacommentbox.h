#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QATextEdit;
class QWidget;

// The titled comment editor that panes show under their fields.
struct QACommentBox
{
    QLabel *title = nullptr;
    QATextEdit *edit = nullptr;

    // Adds the title, a 5-pixel spacing and the editor (at most 60 pixels high, raised box frame)
    // to the layout; the title's buddy is the editor.
    static QACommentBox add(QWidget *pane, QBoxLayout *layout, const QString &title,
                            const QString &text);

    // Shows another title and text; the change never reaches the document, since the editor's
    // textChanged() is blocked meanwhile.
    void refill(const QString &newTitle, const QString &text) const;
};

// A document's text shown by a label with a buddy: '&' stays a character, not a shortcut mark.
QString escapeMnemonics(QString text);

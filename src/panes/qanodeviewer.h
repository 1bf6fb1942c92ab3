#pragma once

#include "panes/qacommentbox.h"
#include "panes/qazynviewer.h"

#include <QDomElement>

class QAZynDocBrowser;
class QBoxLayout;
class QPlainTextEdit;
class QVBoxLayout;

// A pane bound to one node element, with its comment box: the documentation viewer follows the
// node, and the box edits the COMMENT of the node or of the part of it the user works on.
class QANodeViewer : public QAZynViewer
{
    Q_OBJECT

public:
    // Scrolls the documentation viewer to the node's anchor.
    void showNode() override;

protected:
    // Scrolls the documentation viewer to the node's anchor at once.
    QANodeViewer(const QDomElement &element, QWidget *parent, QAZynDocBrowser *docBrowser);

    // The pane's own layout, with 5-pixel margins.
    QVBoxLayout *createPaneLayout();
    // Adds the comment box, showing the node's comment, to the layout.
    void addComment(QBoxLayout *layout, const QString &title);
    // Read-only while the commented element has no COMMENT child to keep what the user types.
    void lockCommentWithoutChild();
    // The box shows and edits the comment of subject (the node or a part of it) from now on, and
    // the documentation viewer goes to subject's anchor.
    void followComment(const QDomElement &subject, const QString &title);
    void scrollTo(const QDomElement &subject) const;
    // Writes the editor's whole text into target's tag child and reports the write.
    void saveField(const QDomElement &target, const QString &tag, const QPlainTextEdit *edit);

    QDomElement element;
    QAZynDocBrowser *docBrowser;
    QACommentBox comment;

protected Q_SLOTS:
    void saveComment();

private:
    // The element whose comment the box shows and edits.
    QDomElement m_commented;
};

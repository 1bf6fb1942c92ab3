#pragma once

#include <QWidget>

// Base of every editing pane: a form bound to one element that writes into the document at once
// and remembers that it did.
class QAZynViewer : public QWidget
{
    Q_OBJECT

public:
    explicit QAZynViewer(QWidget *parent = nullptr);

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Brings the pane back to its node: documentation anchor, comment box.
    virtual void showNode() = 0;

    // Accepts an in-place edit still open in the pane, such as a key being renamed.
    virtual void acceptOpenEdit() { }

private:
    bool m_modified = false;
};

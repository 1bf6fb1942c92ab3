#pragma once

#include <QWidget>

struct QAFieldRef;

// Base of every editing pane: a form bound to one element that writes into the document at once
// and remembers that it did.
class QAZynViewer : public QWidget
{
    Q_OBJECT

public:
    explicit QAZynViewer(QWidget *parent = nullptr);

    bool isModified() const { return m_modified; }
    // Setting it to true is how a pane reports each write into the document.
    void setModified(bool modified);

    // Brings the pane back to its node: documentation anchor, comment box.
    virtual void showNode() = 0;

    // Accepts an in-place edit still open in the pane, such as a key being renamed.
    virtual void acceptOpenEdit() { }

    // Brings the field forward (tab, key row, macro), focuses it and selects its range; false
    // when the pane has no such field.
    virtual bool revealField(const QAFieldRef &field);

Q_SIGNALS:
    // The pane wrote into the document.
    void edited();

private:
    bool m_modified = false;
};

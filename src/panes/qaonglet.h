#pragma once

#include <QDomElement>
#include <QWidget>

class QVBoxLayout;

// A tab of the choice pane, bound to one element of the choice. It tells the pane which element
// the user works on, so that the pane can show its comment, and reports every write.
class QAOnglet : public QWidget
{
    Q_OBJECT

Q_SIGNALS:
    // The user works on that element; the pane shows its comment.
    void itemPressed(QDomElement &element);
    void ongletModified();

protected:
    // A vertical layout with 5-pixel margins.
    QAOnglet(const QDomElement &element, QWidget *parent);

    QVBoxLayout *column() const { return m_column; }

    QDomElement element;

private:
    QVBoxLayout *m_column;
};

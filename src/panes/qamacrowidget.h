#pragma once

#include <QDomElement>
#include <QWidget>

class QACheckBox;
class QALineEdit;
class QHBoxLayout;

// A row of an item form bound to one macro element. It tells the pane which macro the user works
// on, so that the pane can show that macro's comment, and reports every write it makes.
class QAMacroWidget : public QWidget
{
    Q_OBJECT

public:
    // The row for a text, binary or optional macro, by its tag; null for any other element.
    static QAMacroWidget *create(QWidget *parent, const QDomElement &macro);

    QDomElement macroElement() const { return element; }

Q_SIGNALS:
    // The user works on this macro; the pane shows its comment.
    void isPressed(QDomElement &element);
    void itemModified();

protected:
    // A horizontal row without margins.
    QAMacroWidget(QWidget *parent, const QDomElement &macro);

    QHBoxLayout *row() const { return m_row; }
    // The macro's Name translated in the context of the concrete widget's class.
    QString translatedName() const;
    // A check box labelled with the translated Name, as written ('&' is no shortcut mark).
    QACheckBox *addSwitch();
    // The value field, 10 pixels after what the row holds already.
    QALineEdit *addValueField();
    // Writes "1" or "0" into the attribute as one step of its own, named stepName.
    void saveSwitch(const QString &attribute, bool on, const QString &stepName);

    QDomElement element;

private:
    QHBoxLayout *m_row;
};

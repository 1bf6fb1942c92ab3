#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

// The find bar of the document search: the text, the case and whole-word options, the result
// count and the steps to the next and previous match. Typing asks for a search after a short
// pause; Return steps forward, Shift+Return back, Escape closes.
class QAFindBar : public QWidget
{
    Q_OBJECT

public:
    explicit QAFindBar(QWidget *parent = nullptr);

    QString text() const;
    Qt::CaseSensitivity caseSensitivity() const;
    bool wholeWords() const;
    QLineEdit *field() const { return m_field; }

    // Focuses the field with its text selected, so that typing replaces it.
    void focusField();
    // "3 of 12"; current is -1 while no match is shown.
    void showCount(int current, int total);

Q_SIGNALS:
    void searchChanged();
    void nextRequested();
    void previousRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *addButton(const QString &text, const QString &name);

    QLineEdit *m_field = nullptr;
    QCheckBox *m_caseBox = nullptr;
    QCheckBox *m_wordBox = nullptr;
    QLabel *m_count = nullptr;
    QTimer *m_pause = nullptr;
};

#pragma once

#include <QWidget>

class QAPlainTextEdit;

// The gutter beside a code field; the field says how wide it is and paints it.
class QALineNumberArea : public QWidget
{
    Q_OBJECT

public:
    explicit QALineNumberArea(QAPlainTextEdit *editor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QAPlainTextEdit *m_editor;
};

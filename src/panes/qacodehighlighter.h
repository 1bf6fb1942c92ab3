#pragma once

#include "panes/qasyntaxrules.h"
#include "panes/qasyntaxscanner.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPalette;

// Colours code by the rules of its language. The colours follow the field's palette, so that they
// stay readable on dark and on light backgrounds.
class QACodeHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    QACodeHighlighter(QACodeLanguage language, QTextDocument *document);

    QACodeLanguage language() const { return m_language; }
    void setPalette(const QPalette &palette);
    QTextCharFormat format(QASyntaxKind kind) const;

protected:
    void highlightBlock(const QString &text) override;

private:
    void makeFormats(const QPalette &palette);

    QACodeLanguage m_language;
    QASyntaxScanner m_scanner;
    QTextCharFormat m_formats[5];
};

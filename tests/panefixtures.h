#pragma once

// Fixtures shared by the pane suites: documents parsed from inline XML, and a documentation
// viewer that tells which anchor a pane scrolled it to.

#include "dialogs/qazyndocbrowser.h"

#include <QDomDocument>
#include <QHash>
#include <QScrollBar>
#include <QStringList>
#include <QTest>

inline QDomElement parseFixture(QDomDocument &document, const QString &xml)
{
    QString error;
    int line = 0;
    if (!document.setContent(xml, &error, &line))
        qFatal("bad fixture at line %d: %s", line, qPrintable(error));
    return document.documentElement();
}

// A real documentation viewer holding the given anchors far apart from each other.
class AnchorBrowser : public QAZynDocBrowser
{
public:
    explicit AnchorBrowser(const QStringList &anchors)
        : QAZynDocBrowser(nullptr, QStringLiteral("ZYN Doc"))
    {
        const QString gap = QStringLiteral("<p>.</p>").repeated(40);
        QString html = gap;
        for (const QString &anchor : anchors)
            html += QStringLiteral("<p><a name=\"%1\">%1</a></p>").arg(anchor) + gap;
        setHtml(html);
        resize(300, 200);
        show();
        for (const QString &anchor : anchors) {
            scrollToAnchor(anchor);
            m_anchorAt.insert(verticalScrollBar()->value(), anchor);
        }
        forget();
    }

    // The anchor shown at the top, empty when none is.
    QString shownAnchor() const { return m_anchorAt.value(verticalScrollBar()->value()); }
    void forget() { verticalScrollBar()->setValue(0); }

private:
    QHash<int, QString> m_anchorAt;
};

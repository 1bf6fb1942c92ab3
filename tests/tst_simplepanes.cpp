#include "dialogs/qazyndocbrowser.h"
#include "dialogs/qazyntextedit.h"
#include "document/domtext.h"
#include "panes/qacommentviewer.h"
#include "panes/qafreetext.h"
#include "panes/qatextedit.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>

#include <memory>

// Marks every document label it translates, so that a test sees which texts went through the
// "XDP Labels" catalogue.
class LabelTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "XDP Labels") == 0)
            return QStringLiteral("T[%1]").arg(QString::fromUtf8(sourceText));
        return QString();
    }
    bool isEmpty() const override { return false; }
};

enum class PaneKind { Comment, FreeText };
Q_DECLARE_METATYPE(PaneKind)

// The comment pane and the free-text pane: titles, and every edit landing in the document.
class TestSimplePanes : public QObject
{
    Q_OBJECT

private:
    QDomElement load(const QString &xml)
    {
        m_document = QDomDocument();
        QString error;
        if (!m_document.setContent(xml, &error))
            qWarning() << error;
        return m_document.documentElement();
    }

    std::unique_ptr<QAZynViewer> makePane(PaneKind kind, const QDomElement &element)
    {
        if (kind == PaneKind::Comment)
            return std::make_unique<QACommentViewer>(element, nullptr, m_browser.get());
        return std::make_unique<QAFreeText>(element, nullptr, m_browser.get());
    }

    static QString title(const QWidget *pane)
    {
        return pane->findChild<QLabel *>(QStringLiteral("commentLabel"))->text();
    }

    QString saved() const { return m_document.toString(-1); }

    QDomDocument m_document;
    std::unique_ptr<QAZynDocBrowser> m_browser;
    LabelTranslator m_translator;

private Q_SLOTS:
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void init() { m_browser = std::make_unique<QAZynDocBrowser>(); }
    void cleanup() { m_browser.reset(); }

    void commentTitle_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root without label") << "<ZYN Name=\"port\"><COMMENT/></ZYN>"
                                            << "Comment for the root node ";
        QTest::newRow("root with label") << "<ZYN Name=\"port\" Label=\"Port\"/>"
                                         << "Comment for \"T[Port]\" node ";
        QTest::newRow("label wins over name") << "<IS Name=\"n\" Label=\"Basic settings\"/>"
                                              << "Comment for \"T[Basic settings]\" node ";
        QTest::newRow("empty label still wins") << "<IS Name=\"n\" Label=\"\"/>"
                                                << "Comment for \"T[]\" node ";
        QTest::newRow("name without label") << "<NEWBINFILE Name=\"logo.bin\"/>"
                                            << "Comment for \"logo.bin\" node ";
        QTest::newRow("neither label nor name") << "<HEAP/>"
                                                << "Comment for \"\" node ";
    }
    void commentTitle()
    {
        QFETCH(QString, xml);
        QFETCH(QString, expected);
        QACommentViewer pane(load(xml), nullptr, m_browser.get());
        QCOMPARE(title(&pane), expected);
    }

    void freeTextTitle_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name as it stands") << "<NEWCMDFILE Name=\"run.sh\" Label=\"L\"/>"
                                           << "Comment for \"run.sh\" node:";
        QTest::newRow("empty name wins over label") << "<NEWCMDFILE Name=\"\" Label=\"L\"/>"
                                                    << "Comment for \"\" node:";
        QTest::newRow("translated label without name") << "<JAVA_IMPORTS Label=\"Imports\"/>"
                                                       << "Comment for \"T[Imports]\" node:";
    }
    void freeTextTitle()
    {
        QFETCH(QString, xml);
        QFETCH(QString, expected);
        QAFreeText pane(load(xml), nullptr, m_browser.get());
        QCOMPARE(title(&pane), expected);
    }

    void constructionWritesNothing_data()
    {
        QTest::addColumn<PaneKind>("kind");
        QTest::newRow("comment pane") << PaneKind::Comment;
        QTest::newRow("free-text pane") << PaneKind::FreeText;
    }
    void constructionWritesNothing()
    {
        QFETCH(PaneKind, kind);
        const QDomElement element = load(
            "<E Name=\"n\"><COMMENT>&lt;b&gt;bold?&lt;/b&gt;</COMMENT><VALUE>int x;</VALUE></E>");
        const QString before = saved();
        const auto pane = makePane(kind, element);
        pane->show();
        pane->showNode();
        QCOMPARE(saved(), before);
        QVERIFY(!pane->isModified());
        // Markup in a comment is text, never rich text.
        QCOMPARE(pane->findChild<QPlainTextEdit *>(QStringLiteral("commentEdit"))->toPlainText(),
                 QStringLiteral("<b>bold?</b>"));
    }

    void scrollsToDocAnchor_data() { constructionWritesNothing_data(); }
    void scrollsToDocAnchor()
    {
        QFETCH(PaneKind, kind);
        QString html;
        for (int i = 0; i < 200; ++i)
            html += QStringLiteral("<p>line %1</p>").arg(i);
        m_browser->setHtml(html + QStringLiteral("<p><a name=\"FAR\">far</a></p>") + html);
        m_browser->resize(300, 100);
        m_browser->show();
        QCOMPARE(m_browser->verticalScrollBar()->value(), 0);

        const auto pane = makePane(kind, load("<E Doc=\"FAR\"><COMMENT/><VALUE/></E>"));
        QVERIFY(m_browser->verticalScrollBar()->value() > 0);

        m_browser->verticalScrollBar()->setValue(0);
        pane->showNode();
        QVERIFY(m_browser->verticalScrollBar()->value() > 0);
    }

    void typingWritesAtOnce_data()
    {
        QTest::addColumn<PaneKind>("kind");
        QTest::addColumn<QString>("editName");
        QTest::addColumn<QString>("tag");
        QTest::newRow("comment pane") << PaneKind::Comment << "commentEdit"
                                      << "COMMENT";
        QTest::newRow("free text") << PaneKind::FreeText << "textEdit"
                                   << "VALUE";
        QTest::newRow("free-text comment") << PaneKind::FreeText << "commentEdit"
                                           << "COMMENT";
    }
    void typingWritesAtOnce()
    {
        QFETCH(PaneKind, kind);
        QFETCH(QString, editName);
        QFETCH(QString, tag);
        // Non-breaking spaces in the text must survive the rewrite.
        const QDomElement element = load("<E Name=\"n\"><COMMENT>c\xc2\xa0"
                                         "d</COMMENT>"
                                         "<VALUE>v\xc2\xa0"
                                         "w</VALUE></E>");
        const auto pane = makePane(kind, element);
        pane->show();
        auto *edit = pane->findChild<QPlainTextEdit *>(editName);
        QVERIFY(edit);
        edit->moveCursor(QTextCursor::End);

        // Every keystroke, a line break too, rewrites the whole text.
        QString expected = childText(tag, element);
        for (const QChar c : QStringLiteral("x\ny")) {
            if (c == u'\n')
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::keyClick(edit, c.toLatin1());
            expected += c;
            QCOMPARE(childText(tag, element), expected);
        }
        QVERIFY(pane->isModified());
    }

    void freeTextWithoutValueChangesNothing()
    {
        const QDomElement element = load("<NEWCMDFILE Name=\"a.txt\"><COMMENT/></NEWCMDFILE>");
        const QString before = saved();
        QAFreeText pane(element, nullptr, m_browser.get());
        auto *edit = pane.findChild<QAZynTextEdit *>(QStringLiteral("textEdit"));
        QCOMPARE(edit->toPlainText(), QString());

        QTest::keyClicks(edit, QStringLiteral("lost"));
        QCOMPARE(saved(), before);
        QVERIFY(pane.isModified());
    }

    void commentPaneWithoutCommentChangesNothing()
    {
        const QDomElement element = load("<ZYN Name=\"port\"><IS/></ZYN>");
        const QString before = saved();
        QACommentViewer pane(element, nullptr, m_browser.get());
        QTest::keyClicks(pane.findChild<QATextEdit *>(QStringLiteral("commentEdit")),
                         QStringLiteral("lost"));
        QCOMPARE(saved(), before);
        QVERIFY(pane.isModified());
    }
};

QTEST_MAIN(TestSimplePanes)
#include "tst_simplepanes.moc"

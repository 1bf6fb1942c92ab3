#include "document/zyntreebuilder.h"
#include "find/qadocumentsearch.h"
#include "find/qasearchnodes.h"
#include "support/testenvironment.h"

#include <QDomDocument>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

namespace {

const char *kindName(QAFieldRef::Kind kind)
{
    static const char *const names[]
        = { "name",  "comment",     "text",   "prototype", "tail",  "key", "key value",
            "macro", "macro value", "switch", "choice",    "entry", "tab" };
    return names[kind];
}

using Range = QPair<int, int>;

} // namespace

class TestDocumentSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesInOrder_data();
    void matchesInOrder();
    void rangesInText_data();
    void rangesInText();
    void matchKeepsItsLine();
    void searchLeavesDocumentUnchanged();

private:
    // The matches as "path | field" lines, in the order found.
    QStringList search(const QString &file, const QString &text, Qt::CaseSensitivity cs,
                       bool wholeWords, QList<QASearchMatch> *matches = nullptr);

    TestEnvironment m_environment;
};

QStringList TestDocumentSearch::search(const QString &file, const QString &text,
                                       Qt::CaseSensitivity cs, bool wholeWords,
                                       QList<QASearchMatch> *matches)
{
    QFile input(file);
    QDomDocument document;
    if (!input.open(QIODevice::ReadOnly) || !document.setContent(&input))
        qFatal("cannot read %s", qPrintable(file));
    QDomElement root = document.documentElement();
    QTreeWidget tree;
    if (!buildZynTree(&tree, root))
        qFatal("no tree for %s", qPrintable(file));
    const QList<QASearchNode> nodes = searchNodesOf(&tree);
    const QList<QASearchMatch> found = QADocumentSearch(text, cs, wholeWords).run(nodes);
    QStringList lines;
    for (const QASearchMatch &match : found)
        lines << nodes.at(match.node).path + QStringLiteral(" | ") + kindName(match.field.kind);
    if (matches)
        *matches = found;
    return lines;
}

void TestDocumentSearch::matchesInOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QStringList>("expected");

    const QString fixture = TestEnvironment::dataFile(QStringLiteral("find/everyfield.xdp"));
    const QString templates = TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/");
    const QString settings = QStringLiteral("Basic Settings › C Language | ");
    const QString compilation = QStringLiteral("Build Commands › Compilation | ");
    const QString types = QStringLiteral("Runtime Library › Types | ");
    const QString clock = QStringLiteral("Runtime Library › Clock | ");
    const QStringList everyField {
        "zork target | name",
        "zork target | comment",
        "Basic Settings | comment",
        settings + "key value",
        settings + "comment",
        settings + "key",
        settings + "comment",
        compilation + "prototype",
        compilation + "text",
        compilation + "tail",
        compilation + "comment",
        "Build Commands › zork.txt | name",
        "Build Commands › zork.txt | text",
        "Runtime Library › Top Text | text",
        types + "macro",
        types + "macro value",
        types + "comment",
        types + "macro value",
        types + "macro",
        clock + "choice",
        clock + "entry",
        clock + "tab",
        clock + "prototype",
        clock + "text",
        clock + "comment",
        clock + "macro value",
        clock + "comment",
        clock + "comment",
        "Parsers › Analysis | text",
    };
    QTest::newRow("every kind of field, binary content left out")
        << fixture << "zork" << false << false << everyField;
    QTest::newRow("case-sensitive")
        << fixture << "ZORK" << true << false
        << QStringList { settings + "key", "Runtime Library › Top Text | text", types + "macro",
                         types + "macro" };
    QStringList whole = everyField;
    for (int row : { 18, 15, 14, 7, 5 })
        whole.removeAt(row);
    QTest::newRow("whole words end at punctuation, not at underscores")
        << fixture << "zork" << false << true << whole;
    QTest::newRow("nowhere") << fixture << "quasar" << false << false << QStringList();

    const QString threads
        = QStringLiteral("Runtime Library Configuration › Multithreading › Thread Support | ");
    QTest::newRow("C template: a settings value and code tabs")
        << templates + "templatec.xdp"
        << "pthread" << false << false
        << QStringList { "Basic Settings › All Languages | key value",
                         threads + "text",
                         threads + "text",
                         threads + "text",
                         threads + "text",
                         threads + "text" };
    QTest::newRow("C template: whole word, case-sensitive")
        << templates + "templatec.xdp"
        << "pthread" << true << true << QStringList { threads + "text" };
    QTest::newRow("C template: tab title and macro name")
        << templates + "templatec.xdp"
        << "Thread Settings" << false << false << QStringList { threads + "tab" };
    QTest::newRow("C template: macro inside a tab")
        << templates + "templatec.xdp"
        << "ZYN_MAX_THREADS" << true << false << QStringList { threads + "macro" };
}

void TestDocumentSearch::matchesInOrder()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(QStringList, expected);
    QCOMPARE(
        search(file, text, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive, wholeWords),
        expected);
}

void TestDocumentSearch::rangesInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QList<Range>>("expected");

    QTest::newRow("every occurrence, without overlap")
        << "aaaa"
        << "aa" << false << false << QList<Range> { { 0, 2 }, { 2, 2 } };
    QTest::newRow("case folded") << "Foo foo FOO"
                                 << "foo" << false << false
                                 << QList<Range> { { 0, 3 }, { 4, 3 }, { 8, 3 } };
    QTest::newRow("case kept") << "Foo foo FOO"
                               << "foo" << true << false << QList<Range> { { 4, 3 } };
    QTest::newRow("whole word skips a word containing it, then finds the next")
        << "cflags -cflag cflag"
        << "cflag" << false << true << QList<Range> { { 8, 5 }, { 14, 5 } };
    QTest::newRow("option with a dash is whole after a blank")
        << "-O2 -fno-exceptions -fno-exceptionsx"
        << "-fno-exceptions" << true << true << QList<Range> { { 4, 15 } };
    QTest::newRow("underscore belongs to the word")
        << "ZYN_HEAP_SIZE ZYN_HEAP"
        << "ZYN_HEAP" << true << true << QList<Range> { { 14, 8 } };
    QTest::newRow("empty query finds nothing") << "abc"
                                               << "" << false << false << QList<Range>();
}

void TestDocumentSearch::rangesInText()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, wholeWords);
    QFETCH(QList<Range>, expected);
    const QADocumentSearch search(query, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive,
                                  wholeWords);
    QCOMPARE(search.rangesIn(text), expected);
}

void TestDocumentSearch::matchKeepsItsLine()
{
    QList<QASearchMatch> matches;
    search(TestEnvironment::dataFile(QStringLiteral("find/everyfield.xdp")),
           QStringLiteral("system('zork'"), Qt::CaseSensitive, false, &matches);
    QCOMPARE(matches.size(), 1);
    const QASearchMatch &match = matches.first();
    QCOMPARE(match.line, QStringLiteral("    return system('zork', $source) == 0;"));
    QCOMPARE(match.field.element.tagName(), QStringLiteral("VALUEFCTPERL"));
    // The range is in the whole body, which starts with the line before.
    QCOMPARE(match.field.start, 34);
    QCOMPARE(match.field.length, 13);
}

void TestDocumentSearch::searchLeavesDocumentUnchanged()
{
    QFile input(TestEnvironment::dataFile(QStringLiteral("find/everyfield.xdp")));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&input));
    const QString before = document.toString();
    QDomElement root = document.documentElement();
    QTreeWidget tree;
    QVERIFY(buildZynTree(&tree, root));
    const QList<QASearchMatch> found
        = QADocumentSearch(QStringLiteral("o"), Qt::CaseInsensitive, false)
              .run(searchNodesOf(&tree));
    QVERIFY(found.size() > 20);
    QCOMPARE(document.toString(), before);
}

QTEST_MAIN(TestDocumentSearch)
#include "tst_documentsearch.moc"

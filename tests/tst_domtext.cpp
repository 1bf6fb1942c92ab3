#include "document/domtext.h"

#include <QTest>

// Reading and writing the text of child elements, on which every pane relies.
class TestDomText : public QObject
{
    Q_OBJECT

private:
    static QDomElement parse(QDomDocument &document, const QString &xml)
    {
        QString error;
        if (!document.setContent(xml, &error))
            qWarning() << error;
        return document.documentElement();
    }

    static QString serialised(const QDomDocument &document) { return document.toString(-1); }

private Q_SLOTS:
    void readsAndWrites_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("after"); // the document after writing "new"

        QTest::newRow("text child replaced") << "<E><COMMENT>old</COMMENT></E>"
                                             << "COMMENT" << 1 << "old"
                                             << "<E><COMMENT>new</COMMENT></E>";
        QTest::newRow("empty child gets a text node") << "<E><COMMENT/></E>"
                                                      << "COMMENT" << 1 << ""
                                                      << "<E><COMMENT>new</COMMENT></E>";
        QTest::newRow("missing child writes nothing") << "<E><VALUE>v</VALUE></E>"
                                                      << "COMMENT" << 1 << ""
                                                      << "<E><VALUE>v</VALUE></E>";
        QTest::newRow("tag compared case-sensitively") << "<E><comment>c</comment></E>"
                                                       << "COMMENT" << 1 << ""
                                                       << "<E><comment>c</comment></E>";
        QTest::newRow("only the first of two children")
            << "<E><COMMENT>one</COMMENT><COMMENT>two</COMMENT></E>"
            << "COMMENT" << 1 << "one"
            << "<E><COMMENT>new</COMMENT><COMMENT>two</COMMENT></E>";
        QTest::newRow("found behind other children") << "<E><X/><!--c--><VALUE>v</VALUE></E>"
                                                     << "VALUE" << 1 << "v"
                                                     << "<E><X/><!--c--><VALUE>new</VALUE></E>";
        QTest::newRow("depth 1 does not descend") << "<E><C><VALUE>v</VALUE></C></E>"
                                                  << "VALUE" << 1 << ""
                                                  << "<E><C><VALUE>v</VALUE></C></E>";
        QTest::newRow("depth 2 below the first child")
            << "<E><C><COMMENT>c</COMMENT><VALUE>v</VALUE></C></E>"
            << "VALUE" << 2 << "v"
            << "<E><C><COMMENT>c</COMMENT><VALUE>new</VALUE></C></E>";
        QTest::newRow("depth 2 never below the second child")
            << "<E><C/><D><VALUE>v</VALUE></D></E>"
            << "VALUE" << 2 << ""
            << "<E><C/><D><VALUE>v</VALUE></D></E>";
        QTest::newRow("depth 2 when the first child is text") << "<E>t<D><VALUE>v</VALUE></D></E>"
                                                              << "VALUE" << 2 << ""
                                                              << "<E>t<D><VALUE>v</VALUE></D></E>";
        QTest::newRow("depth 2 without children") << "<E/>"
                                                  << "VALUE" << 2 << ""
                                                  << "<E/>";
        QTest::newRow("child starting with an element reads empty")
            << "<E><VALUE><B/>tail</VALUE></E>"
            << "VALUE" << 1 << ""
            << "<E><VALUE>new<B/>tail</VALUE></E>";
        QTest::newRow("CDATA read and written in place")
            << "<E><VALUE><![CDATA[a < b]]></VALUE></E>"
            << "VALUE" << 1 << "a < b"
            << "<E><VALUE><![CDATA[new]]></VALUE></E>";
        QTest::newRow("split CDATA read and written as one")
            << "<E><VALUE><![CDATA[a]]]]><![CDATA[>b]]>c<!--x-->d</VALUE></E>"
            << "VALUE" << 1 << "a]]>bc"
            << "<E><VALUE><![CDATA[new]]><!--x-->d</VALUE></E>";
    }
    void readsAndWrites()
    {
        QFETCH(QString, xml);
        QFETCH(QString, name);
        QFETCH(int, depth);
        QFETCH(QString, read);
        QFETCH(QString, after);

        QDomDocument document;
        const QDomElement element = parse(document, xml);
        QCOMPARE(childText(name, element, depth), read);

        setChildText(QStringLiteral("new"), name, element, depth);
        QDomDocument expected;
        parse(expected, after);
        QCOMPARE(serialised(document), serialised(expected));
    }

    void repeatedWritesKeepOneTextNode()
    {
        // Each keystroke rewrites the whole text; what was written must be what is read next.
        QDomDocument document;
        const QDomElement element = parse(document, "<E><VALUE><!--note--></VALUE></E>");
        for (const QString text : { "a", "ab", "abc" }) {
            setChildText(text, "VALUE", element);
            QCOMPARE(childText("VALUE", element), text);
        }
        QCOMPARE(element.firstChildElement().childNodes().count(), 2);
    }

    void cdataTerminatorSurvivesSaving()
    {
        // "]]>" cannot stand inside a CDATA section: the written document must read back whole.
        QDomDocument document;
        const QDomElement element = parse(document, "<E><VALUE><![CDATA[x]]></VALUE></E>");
        const QString code = QStringLiteral("if (a[b[0]]>1) <&>");
        setChildText(code, "VALUE", element);
        QCOMPARE(childText("VALUE", element), code);

        QDomDocument reread;
        const QDomElement again = parse(reread, document.toString());
        QCOMPARE(childText("VALUE", again), code);
    }

    void ownerDocumentOfDetachedNodes()
    {
        QDomDocument document;
        const QDomElement element = parse(document, "<E><C><D/></C></E>");
        QCOMPARE(ownerDocumentOf(element.firstChild().firstChild()), document);
        QVERIFY(ownerDocumentOf(document.createElement("loose")).isNull());
        QVERIFY(ownerDocumentOf(QDomNode()).isNull());

        // A loose element has no document to make text nodes with: nothing is written.
        QDomElement loose = document.createElement("E");
        loose.appendChild(document.createElement("COMMENT"));
        setChildText("lost", "COMMENT", loose);
        QCOMPARE(childText("COMMENT", loose), QString());
    }
};

QTEST_MAIN(TestDomText)
#include "tst_domtext.moc"

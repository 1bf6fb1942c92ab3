#include "dialogs/qazyntextedit.h"
#include "panefixtures.h"
#include "panes/qabracketmatch.h"
#include "panes/qachoiceviewer.h"
#include "panes/qacodehighlighter.h"
#include "panes/qacommentviewer.h"
#include "panes/qafctonglet.h"
#include "panes/qafctviewer.h"
#include "panes/qafreetext.h"
#include "panes/qalonglines.h"
#include "panes/qasyntaxrules.h"
#include "panes/qasyntaxscanner.h"
#include "panes/qatextedit.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

Q_DECLARE_METATYPE(QACodeLanguage)

// Code fields: fixed pitch, line numbers that the go-to prompt takes, highlighting by language,
// long lines that never block, and document texts in titles.
class TestCodeFields : public QObject
{
    Q_OBJECT

private:
    // Spans as "kind:text" words, lines separated by " | ".
    static QString scanned(QACodeLanguage language, const QString &text)
    {
        const QASyntaxScanner scanner(QASyntaxRules::of(language));
        static const char *const kinds[] = { "keyword", "string", "comment", "number", "pre" };
        QStringList out;
        int state = 0;
        for (const QString &line : text.split(u'\n')) {
            state = scanner.afterLineBreak(state);
            QStringList words;
            for (const QASyntaxSpan &span : scanner.scan(line, state))
                words << QLatin1String(kinds[int(span.kind)]) + u':'
                        + line.mid(span.start, span.length);
            out << words.join(u' ');
        }
        return out.join(QLatin1String(" | "));
    }

    static QString displayedText(QWidget *label)
    {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    }

    static QString lines(int count)
    {
        QStringList list;
        for (int i = 1; i <= count; ++i)
            list << QStringLiteral("x = %1;").arg(i);
        return list.join(u'\n');
    }

private Q_SLOTS:
    void languageOfElement_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QACodeLanguage>("language");

        const auto row = [](const char *name, const char *xml, const char *tag, QACodeLanguage l) {
            QTest::newRow(name) << QString::fromLatin1(xml) << QString::fromLatin1(tag) << l;
        };
        row("build step", "<BUILD><LINK><VALUEFCTPERL/></LINK></BUILD>", "VALUEFCTPERL",
            QACodeLanguage::Perl);
        row("Ada function", "<X><VALUEFCTADA/></X>", "VALUEFCTADA", QACodeLanguage::Ada);
        row("C function", "<X><VALUEFCT/></X>", "VALUEFCT", QACodeLanguage::Cpp);
        row("C tab", "<X><VALUEFCTC/></X>", "VALUEFCTC", QACodeLanguage::Cpp);
        row("header tab", "<X><VALUEFCTH/></X>", "VALUEFCTH", QACodeLanguage::Cpp);
        row("free text of a C port",
            "<LIBCONF><LIBCONFC><FREE_TEXT_BEFORE_FOR_ZYN/></LIBCONFC></LIBCONF>",
            "FREE_TEXT_BEFORE_FOR_ZYN", QACodeLanguage::Cpp);
        row("free text of an Ada group",
            "<LIBCONFA><IO><FREE_TEXT_WITH_PRIV_IO_ADB/></IO></LIBCONFA>",
            "FREE_TEXT_WITH_PRIV_IO_ADB", QACodeLanguage::Ada);
        row("Java imports", "<LIBCONFJAVA><CUSTOMJAVA><JAVA_IMPORTS/></CUSTOMJAVA></LIBCONFJAVA>",
            "JAVA_IMPORTS", QACodeLanguage::Java);
        row("JVMPI agent is C",
            "<LIBCONFJAVA><CUSTOMJVMPI><FREE_TEXT_BEFORE_FOR_ZYN/></CUSTOMJVMPI></LIBCONFJAVA>",
            "FREE_TEXT_BEFORE_FOR_ZYN", QACodeLanguage::Cpp);
        row("parser's Ada package", "<PARSERCONF><P><STANDARDA95/></P></PARSERCONF>", "STANDARDA95",
            QACodeLanguage::Ada);
        row("parser options", "<PARSERCONF><P><PC_WEX><OPT/></PC_WEX></P></PARSERCONF>", "OPT",
            QACodeLanguage::Plain);
        row("carried text file", "<BUILD><NEWCMDFILE Name=\"zyn_gdb.cmd\"/></BUILD>", "NEWCMDFILE",
            QACodeLanguage::Plain);
        row("carried C file", "<BUILD><NEWCMDFILE Name=\"agent.C\"/></BUILD>", "NEWCMDFILE",
            QACodeLanguage::Cpp);
        row("carried Perl module", "<BUILD><NEWCMDFILE Name=\"dir/Tool.pm\"/></BUILD>",
            "NEWCMDFILE", QACodeLanguage::Perl);
        row("carried Ada body", "<BUILD><NEWCMDFILE Name=\"io.adb\"/></BUILD>", "NEWCMDFILE",
            QACodeLanguage::Ada);
        row("carried file without extension", "<BUILD><NEWCMDFILE Name=\"Makefile\"/></BUILD>",
            "NEWCMDFILE", QACodeLanguage::Plain);
    }
    void languageOfElement()
    {
        QFETCH(QString, xml);
        QFETCH(QString, tag);
        QFETCH(QACodeLanguage, language);
        QDomDocument document;
        const QDomElement root = parseFixture(document, xml);
        const QDomElement owner
            = root.tagName() == tag ? root : root.elementsByTagName(tag).item(0).toElement();
        QVERIFY(!owner.isNull());
        QCOMPARE(codeLanguageOf(owner), language);
    }

    void scannerRules_data()
    {
        QTest::addColumn<QACodeLanguage>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char *name, QACodeLanguage language, const char *text,
                            const char *expected) {
            QTest::newRow(name) << language << QString::fromUtf8(text)
                                << QString::fromUtf8(expected);
        };
        using L = QACodeLanguage;
        row("C keyword and number", L::Cpp, "return 42;", "keyword:return number:42");
        row("C string holding a comment marker", L::Cpp, "s = \"a // b /* c\";",
            "string:\"a // b /* c\"");
        row("C comment holding a quote", L::Cpp, "x; // don't \"stop\"",
            "comment:// don't \"stop\"");
        row("C escaped quote", L::Cpp, "\"a\\\"b\" if", "string:\"a\\\"b\" keyword:if");
        row("C block comment over lines", L::Cpp, "a /* one\ntwo */ int",
            "comment:/* one | comment:two */ keyword:int");
        row("C preprocessor line", L::Cpp, "#include <x.h> // why\nint",
            "pre:#include <x.h> // why comment:// why | keyword:int");
        row("Java keyword, no preprocessor", L::Java, "#x final", "keyword:final");
        row("Java string holding a comment start", L::Java, "\"/*\" null",
            "string:\"/*\" keyword:null");
        row("Perl keyword and comment", L::Perl, "my $x; # it's", "keyword:my comment:# it's");
        row("Perl string holding a hash", L::Perl, "print \"#x\";", "keyword:print string:\"#x\"");
        row("Perl last index is no comment", L::Perl, "$#list + 1", "number:1");
        row("Perl variable named like a keyword", L::Perl, "$if = 1", "number:1");
        row("Perl string over lines", L::Perl, "'a\nb' if", "string:'a | string:b' keyword:if");
        row("Perl documentation block", L::Perl, "=pod\nmy x\n=cut\nmy",
            "comment:=pod | comment:my x | comment:=cut | keyword:my");
        row("Ada keywords ignore case", L::Ada, "BEGIN null; End",
            "keyword:BEGIN keyword:null keyword:End");
        row("Ada string holding a comment marker", L::Ada, "S : String := \"a--b\";",
            "string:\"a--b\"");
        row("Ada comment holding a quote", L::Ada, "X; -- the \"quote", "comment:-- the \"quote");
        row("Ada doubled quote", L::Ada, "\"say \"\"hi\"\"\" is",
            "string:\"say \"\"hi\"\"\" keyword:is");
        row("Ada attribute is no string", L::Ada, "A'First .. 'x'", "string:'x'");
        row("C string ends with its line", L::Cpp, "\"open\nint", "string:\"open | keyword:int");
        row("plain text", L::Plain, "int x; // y", "");
    }
    void scannerRules()
    {
        QFETCH(QACodeLanguage, language);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(scanned(language, text), expected);
    }

    void highlighterFollowsPiecesOfALongLine()
    {
        QAPlainTextEdit edit;
        edit.makeCodeField(0);
        const QString comment = QStringLiteral("// ") + QString(QALongLines::PieceLength * 2, u'x');
        edit.setExactText(comment + QStringLiteral("\nint"));
        edit.setLanguage(QACodeLanguage::Cpp);
        QVERIFY(edit.highlighter());
        edit.highlighter()->rehighlight();
        const QTextBlock piece = edit.document()->findBlockByNumber(2);
        QVERIFY(QALongLines::continuesLine(piece));
        const QList<QTextLayout::FormatRange> formats = piece.layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats.first().format.foreground(),
                 edit.highlighter()->format(QASyntaxKind::Comment).foreground());
        const QTextBlock next = edit.document()->lastBlock();
        QCOMPARE(next.layout()->formats().first().format.foreground(),
                 edit.highlighter()->format(QASyntaxKind::Keyword).foreground());
    }

    void gutterNumbersAreTheGotoRange_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");

        QTest::newRow("free text") << 0 << lines(20) << 1 << 20;
        QTest::newRow("function body") << 3 << lines(5) << 4 << 8;
        QTest::newRow("empty") << 0 << QString() << 1 << 1;
        QTest::newRow("long line counts once")
            << 3
            << QStringLiteral("a\n") + QString(QALongLines::PieceLength * 3, u'y') + u'\n' + u'b'
            << 4 << 6;
    }
    void gutterNumbersAreTheGotoRange()
    {
        QFETCH(int, offset);
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, last);

        ScriptedDialogs dialogs;
        dialogs.answer(last);
        QAZynTextEdit edit(nullptr, offset);
        edit.setExactText(text);
        edit.gotoDialog();
        QCOMPARE(dialogs.last().minimum, first);
        QCOMPARE(dialogs.last().maximum, last);
        QCOMPARE(edit.lineLabel(edit.document()->firstBlock()), QString::number(first));
        QTextBlock lastLine = edit.document()->lastBlock();
        while (QALongLines::continuesLine(lastLine))
            lastLine = lastLine.previous();
        QCOMPARE(edit.lineLabel(lastLine), QString::number(last));
        QCOMPARE(edit.textCursor().block(), lastLine);
    }

    void panesNumberAndColourTheirCode_data()
    {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<QACodeLanguage>("language");

        QTest::newRow("function pane") << "function" << 4 << QACodeLanguage::Perl;
        QTest::newRow("code tab") << "tab" << 4 << QACodeLanguage::Cpp;
        QTest::newRow("free-text pane") << "free" << 1 << QACodeLanguage::Ada;
        QTest::newRow("carried text file") << "file" << 1 << QACodeLanguage::Plain;
    }
    void panesNumberAndColourTheirCode()
    {
        QFETCH(QString, pane);
        QFETCH(int, firstLine);
        QFETCH(QACodeLanguage, language);

        QDomDocument document;
        const QDomElement root = parseFixture(
            document,
            QStringLiteral(
                "<ZYN><LINK Label=\"Link\"><COMMENT>c</COMMENT><VALUEFCTPERL><PROTO>sub link "
                "{</PROTO>"
                "<VALUE>my $x;\n1;</VALUE><TAIL>}</TAIL></VALUEFCTPERL></LINK>"
                "<VALUEFCTC><PROTO>int f(void) {</PROTO><VALUE>return 0;</VALUE><TAIL>}</TAIL>"
                "<COMMENT/></VALUEFCTC>"
                "<LIBCONFA><FT Label=\"T\"><COMMENT/><VALUE>with X;</VALUE></FT></LIBCONFA>"
                "<NEWCMDFILE Name=\"run.cmd\"><COMMENT/><VALUE>int x;</VALUE></NEWCMDFILE></ZYN>"));
        QWidget *widget = nullptr;
        if (pane == QLatin1String("function"))
            widget
                = new QAFctViewer(root.firstChildElement(QStringLiteral("LINK")), nullptr, nullptr);
        else if (pane == QLatin1String("tab"))
            widget = new QAFctOnglet(root.firstChildElement(QStringLiteral("VALUEFCTC")), nullptr);
        else if (pane == QLatin1String("free"))
            widget = new QAFreeText(
                root.elementsByTagName(QStringLiteral("FT")).item(0).toElement(), nullptr, nullptr);
        else
            widget = new QAFreeText(root.firstChildElement(QStringLiteral("NEWCMDFILE")), nullptr,
                                    nullptr);
        QScopedPointer<QWidget> owner(widget);
        auto *edit = widget->findChild<QAPlainTextEdit *>(QStringLiteral("textEdit"));
        QVERIFY(edit);
        QVERIFY(edit->isCodeField());
        QCOMPARE(edit->lineLabel(edit->document()->firstBlock()), QString::number(firstLine));
        const QFontMetricsF metrics(edit->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                 metrics.horizontalAdvance(QLatin1Char('W')));
        QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(edit->tabStopDistance(),
                 QFontMetricsF(edit->font()).horizontalAdvance(QLatin1Char(' ')) * 4);
        QCOMPARE(edit->highlighter() ? edit->highlighter()->language() : QACodeLanguage::Plain,
                 language);
        auto *comment = widget->findChild<QAPlainTextEdit *>(QStringLiteral("commentEdit"));
        if (comment) {
            QVERIFY(!comment->isCodeField());
            QCOMPARE(comment->font(), widget->font());
        }
        // The fixed lines above and below the body line up with it.
        widget->show();
        if (auto *proto = widget->findChild<QLabel *>(QStringLiteral("proto"))) {
            QCOMPARE(proto->font(), edit->font());
            QCOMPARE(proto->indent(), edit->textIndent());
        }
    }

    void documentTextsKeepAmpersands()
    {
        QDomDocument document;
        const QDomElement root = parseFixture(
            document,
            QStringLiteral(
                "<ZYN><BUILD Label=\"Bau &amp; Zeug\"><COMMENT/></BUILD>"
                "<LINK Label=\"A &amp; B\"><COMMENT/><VALUEFCTPERL><VALUE/></VALUEFCTPERL></LINK>"
                "<NEWCMDFILE Name=\"R&amp;D.txt\"><COMMENT/><VALUE/></NEWCMDFILE>"
                "<C Label=\"L\"><CHOICE Name=\"n\" Value=\"a\"><CHOICEDATA "
                "Sensitive=\"1\">a</CHOICEDATA>"
                "<ONGLET Label=\"In &amp; Out\"><VALUEFCTC><VALUE/></VALUEFCTC></ONGLET></CHOICE>"
                "<COMMENT/></C></ZYN>"));
        QACommentViewer comments(root.firstChildElement(QStringLiteral("BUILD")), nullptr, nullptr);
        QCOMPARE(displayedText(comments.findChild<QLabel *>(QStringLiteral("commentLabel"))),
                 QStringLiteral("Comment for \"Bau & Zeug\" node "));
        QAFctViewer function(root.firstChildElement(QStringLiteral("LINK")), nullptr, nullptr);
        QCOMPARE(displayedText(function.findChild<QLabel *>(QStringLiteral("commentLabel"))),
                 QStringLiteral("Comment for \"A & B\" node "));
        QAFreeText file(root.firstChildElement(QStringLiteral("NEWCMDFILE")), nullptr, nullptr);
        QCOMPARE(displayedText(file.findChild<QLabel *>(QStringLiteral("commentLabel"))),
                 QStringLiteral("Comment for \"R&D.txt\" node:"));
        QAChoiceViewer choice(root.firstChildElement(QStringLiteral("C")), nullptr, nullptr);
        auto *tabs = choice.findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QStringLiteral("In && Out"));
    }

    void bracketsMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("bracket");
        QTest::addColumn<int>("match");

        QTest::newRow("before an opening one") << "f(a[1])" << 1 << 1 << 6;
        QTest::newRow("on a closing one") << "f(a[1])" << 5 << 5 << 3;
        QTest::newRow("after the last one") << "f(a[1])" << 7 << 6 << 1;
        QTest::newRow("nested over lines") << "{\n{}\n}" << 0 << 0 << 5;
        QTest::newRow("unmatched") << "(()" << 0 << 0 << -1;
        QTest::newRow("no bracket") << "abc" << 1 << -1 << -1;
    }
    void bracketsMatch()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(int, bracket);
        QFETCH(int, match);
        QTextDocument document(text);
        const QABracketMatch found = QABracketMatch::find(&document, position);
        QCOMPARE(found.bracket, bracket);
        QCOMPARE(found.match, match);
    }

    void longLinesComeBackUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        const QString piece(QALongLines::PieceLength, u'a');
        QTest::newRow("short lines") << QStringLiteral("a\u00a0b\n\nc\n");
        QTest::newRow("ten megabytes on one line") << QString(10 * 1024 * 1024, u'x');
        QTest::newRow("exactly one piece") << piece;
        QTest::newRow("long line between short ones") << "a\n" + piece + piece + "b\n\nc";
        QTest::newRow("ends with a line break") << piece + piece + u'\n';
        QString pairs;
        for (int i = 0; i < QALongLines::PieceLength; ++i)
            pairs += QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("surrogate pairs are never cut") << u'x' + pairs;
    }
    void longLinesComeBackUnchanged()
    {
        QFETCH(QString, text);
        QElapsedTimer timer;
        timer.start();
        QATextEdit comment;
        setExactPlainText(&comment, text);
        comment.resize(400, 100);
        comment.show();
        QCoreApplication::processEvents();
        QAZynTextEdit code(nullptr, 3);
        code.setExactText(text);
        code.setLanguage(QACodeLanguage::Cpp);
        code.resize(400, 300);
        code.show();
        QCoreApplication::processEvents();
        QTest::keyClick(&code, Qt::Key_End);
        QTest::keyClick(&code, Qt::Key_Z);
        QTest::keyClick(&code, Qt::Key_Backspace);
        QCOMPARE(exactPlainText(&comment), text);
        QCOMPARE(exactPlainText(&code), text);
        for (QTextBlock block = code.document()->begin(); block.isValid(); block = block.next())
            QVERIFY(block.text().isEmpty() || !block.text().front().isLowSurrogate());
        // Only a hang fails here; the benchmark measures the speed.
        QVERIFY2(timer.elapsed() < 60000, "a long line blocked the fields");
    }

    void readTextReusesOnlyFreeStorage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("reused");
        const QString line
            = QString(3 * QALongLines::PieceLength, u'a') + QStringLiteral("\nb\u00a0");
        const int fits = int(line.size()) + 100;
        QTest::newRow("free and large enough") << line << fits << false << true;
        QTest::newRow("held by someone else") << line << fits << true << false;
        QTest::newRow("too small") << line << 10 << false << false;
        QTest::newRow("far too large for the text") << line << 100 * fits << false << false;
        QTest::newRow("no long line") << QStringLiteral("a\nb\u00a0") << fits << false << false;
    }
    void readTextReusesOnlyFreeStorage()
    {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(bool, held);
        QFETCH(bool, reused);
        QATextEdit edit;
        edit.setExactText(text);
        QString storage;
        storage.reserve(capacity);
        storage.append(QStringLiteral("old"));
        const QString holder = held ? storage : QString();
        const QChar *before = storage.constData();
        QALongLines::readText(edit.document(), &storage);
        QCOMPARE(storage, text);
        QCOMPARE(storage.constData() == before, reused);
        if (held)
            QCOMPARE(holder, QStringLiteral("old"));
    }

    // A field reads its text into the memory of a text it gave out before once nobody holds that
    // any more; a text still held never changes.
    void textsGivenOutStayAsTheyWere()
    {
        QString expected = QString(2 * QALongLines::PieceLength + 7, u'a') + QStringLiteral("\nb");
        QATextEdit edit;
        edit.setExactText(expected);
        QTextCursor cursor = edit.textCursor();
        cursor.movePosition(QTextCursor::End);
        edit.setTextCursor(cursor);
        QList<std::pair<QString, QString>> kept;
        QSet<const QChar *> released;
        int reuses = 0;
        for (int i = 0; i < 12; ++i) {
            if (i < 8) {
                QTest::keyClick(&edit, Qt::Key_X);
                expected += u'x';
            } else {
                QTest::keyClick(&edit, Qt::Key_Backspace);
                expected.chop(1);
            }
            const QString text = edit.exactText();
            QCOMPARE(text, expected);
            if (released.contains(text.constData()))
                ++reuses;
            if (i % 2 == 0)
                kept.append({ text, QString(text.constData(), text.size()) });
            else
                released.insert(text.constData());
        }
        for (const auto &[text, copy] : std::as_const(kept))
            QCOMPARE(text, copy);
        QVERIFY(reuses > 0);
    }

    void positionsMapBetweenTextAndPieces()
    {
        const QString text = QStringLiteral("ab\n") + QString(5000, u'c') + QStringLiteral("\nd");
        QATextEdit edit;
        edit.setExactText(text);
        const QTextDocument *document = edit.document();
        QVERIFY(QALongLines::hasPieces(document));
        for (int offset = 0; offset < text.size(); ++offset) {
            const int position = QALongLines::documentPosition(document, offset);
            const QChar expected
                = text.at(offset) == u'\n' ? QChar(QChar::ParagraphSeparator) : text.at(offset);
            QCOMPARE(document->characterAt(position), expected);
            QCOMPARE(QALongLines::textPosition(document, position), offset);
        }
    }

    void editingAcrossPiecesEditsTheText()
    {
        const QString line = QString(QALongLines::PieceLength, u'a') + QString(10, u'b');
        QATextEdit edit;
        edit.setExactText(line);
        const auto placeCursor = [&edit](int position) {
            QTextCursor cursor = edit.textCursor();
            cursor.setPosition(position);
            edit.setTextCursor(cursor);
        };
        // Right after the piece break, then right before it.
        placeCursor(QALongLines::PieceLength + 1);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.exactText(),
                 line.left(QALongLines::PieceLength - 1) + line.mid(QALongLines::PieceLength));
        placeCursor(QALongLines::PieceLength - 1);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.exactText(), QString(QALongLines::PieceLength - 1, u'a') + QString(9, u'b'));
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.exactText(),
                 QString(QALongLines::PieceLength - 1, u'a') + u'\n' + QString(9, u'b'));

        edit.selectAll();
        edit.copy();
        QCOMPARE(QApplication::clipboard()->text(), edit.exactText());
    }
};

QTEST_MAIN(TestCodeFields)
#include "tst_codefields.moc"

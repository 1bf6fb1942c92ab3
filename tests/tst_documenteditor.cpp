#include "document/qadocumenteditor.h"
#include "document/qazynwriter.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>

using Edit = std::function<void(QADocumentEditor &, QDomElement &root)>;
Q_DECLARE_METATYPE(Edit)

static const char *const Document = R"(<ZYN Name="port" version="8">
<COMMENT>root note</COMMENT>
<IS Label="Basic settings"><ISC><COMMENT/>
<ASMEXT Label="Asm"><COMMENT/><VALUE>.s</VALUE></ASMEXT>
<INIFIELD Doc="ISOTHERS"><COMMENT>mine</COMMENT><KEY>MYKEY</KEY><VALUE>1</VALUE></INIFIELD>
<DEFAULT_LIBS Label="Libs"><COMMENT/><VALUE>-lm</VALUE></DEFAULT_LIBS>
</ISC></IS>
<BUILD Label="Build"><COMMENT/>
<COMPILATION Label="Compilation"><COMMENT/><VALUE><![CDATA[cc $<]]></VALUE></COMPILATION>
<NEWCMDFILE Name="zyn_gdb.cmd"><COMMENT>gdb</COMMENT><VALUE>run</VALUE></NEWCMDFILE>
</BUILD>
<LIBCONF><ITEM Label="Item"><COMMENT/><W><BINARY_MACRO Name="DEBUG" Value="0"><COMMENT/></BINARY_MACRO></W>
<W><OPTIONAL_MACRO Name="OPT" Value="x"><COMMENT/></OPTIONAL_MACRO></W></ITEM>
<CH Label="Choice"><CHOICE Name="Kind" Value="a"><CHOICEDATA>a</CHOICEDATA><CHOICEDATA>b</CHOICEDATA></CHOICE></CH>
</LIBCONF>
</ZYN>)";

static QDomElement find(const QDomElement &root, const QString &tag, int skip = 0)
{
    const QDomNodeList list = root.elementsByTagName(tag);
    return list.at(skip).toElement();
}

// The door: every kind of edit made, undone to the very bytes before and redone to those after;
// typing merged per field; the history's names; the place an undo reports.
class TestDocumentEditor : public QObject
{
    Q_OBJECT

private:
    QByteArray saved() { return QAZynWriter().write(m_document.documentElement()); }

    QDomDocument m_document;
    std::unique_ptr<QADocumentEditor> m_door;
    qint64 m_now = 0;

private Q_SLOTS:
    void init()
    {
        m_document = QDomDocument();
        QVERIFY(m_document.setContent(QByteArray(Document)));
        m_door = std::make_unique<QADocumentEditor>();
        m_door->setDocument(m_document);
        m_now = 0;
        m_door->setClock([this] { return m_now; });
    }
    void cleanup() { m_door.reset(); }

    void everyEdit_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("name");
        QTest::newRow("comment text") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setText(r, "COMMENT", "new note");
        }) << "Typed in the comment of port";
        QTest::newRow("empty comment gets a text") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setText(find(r, "COMPILATION"), "COMMENT", "c");
        }) << "Typed in the comment of Compilation";
        QTest::newRow("CDATA value") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setText(find(r, "COMPILATION"), "VALUE", "cc -O2 $<");
        }) << "Typed in Compilation";
        QTest::newRow("CDATA value that must leave CDATA")
            << Edit([](QADocumentEditor &d, QDomElement &r) {
                   d.setText(find(r, "COMPILATION"), "VALUE", "a]]>b");
               })
            << "Typed in Compilation";
        QTest::newRow("key name") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setText(find(r, "INIFIELD"), "KEY", "OTHER", QADocumentEditor::Step,
                      "Renamed key MYKEY");
        }) << "Renamed key MYKEY";
        QTest::newRow("macro attribute") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setAttribute(find(r, "BINARY_MACRO"), "Value", "1", QADocumentEditor::Step, "On");
        }) << "On";
        QTest::newRow("attribute that was missing")
            << Edit([](QADocumentEditor &d, QDomElement &r) {
                   d.setAttribute(find(r, "OPTIONAL_MACRO"), "Defined", "1", QADocumentEditor::Step,
                                  "Defined");
               })
            << "Defined";
        QTest::newRow("choice value") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setAttribute(find(r, "CHOICE"), "Value", "b", QADocumentEditor::Step, "Chose b");
        }) << "Chose b";
        QTest::newRow("root renamed") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.setAttribute(r, "Name", "board", QADocumentEditor::Step, "Renamed");
        }) << "Renamed";
        QTest::newRow("file added") << Edit([](QADocumentEditor &d, QDomElement &r) {
            QDomElement file = r.ownerDocument().createElement("NEWCMDFILE");
            file.setAttribute("Name", "NewAsciiFile.txt");
            file.appendChild(r.ownerDocument().createElement("COMMENT"));
            d.insertElement(find(r, "BUILD"), file, QDomNode(), "Added");
        }) << "Added";
        QTest::newRow("file deleted") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.removeElement(find(r, "NEWCMDFILE"), "Deleted zyn_gdb.cmd");
        }) << "Deleted zyn_gdb.cmd";
        QTest::newRow("key moved up") << Edit([](QADocumentEditor &d, QDomElement &r) {
            d.moveElement(find(r, "DEFAULT_LIBS"), find(r, "INIFIELD"), "Moved key up");
        }) << "Moved key up";
        QTest::newRow("key moved down to the end") << Edit([](QADocumentEditor &d, QDomElement &r) {
            const QDomElement key = find(r, "INIFIELD");
            d.moveElement(key, find(r, "DEFAULT_LIBS").nextSibling(), "Moved key down");
        }) << "Moved key down";
    }

    void everyEdit()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, name);
        const QByteArray before = saved();
        QDomElement root = m_document.documentElement();
        edit(*m_door, root);
        const QByteArray after = saved();
        QVERIFY(after != before);
        QCOMPARE(m_door->undoStack()->count(), 1);
        QCOMPARE(m_door->undoStack()->text(0), name);

        m_door->undo();
        QCOMPARE(saved(), before);
        m_door->redo();
        QCOMPARE(saved(), after);
        m_door->undo();
        QCOMPARE(saved(), before);
    }

    void noChangeNoStep()
    {
        QDomElement root = m_document.documentElement();
        m_door->setText(root, "COMMENT", "root note");
        m_door->setText(root, "MISSING", "x");
        m_door->setAttribute(find(root, "CHOICE"), "Value", "a", QADocumentEditor::Step, "Chose");
        m_door->moveElement(find(root, "ASMEXT"), find(root, "INIFIELD"), "Moved");
        QCOMPARE(m_door->undoStack()->count(), 0);
    }

    void typingMerges_data()
    {
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<bool>("breakBetween");
        QTest::addColumn<int>("steps");
        QTest::newRow("three quick keystrokes") << QList<int> { 100, 200 } << false << 1;
        QTest::newRow("a pause") << QList<int> { 100, 1500 } << false << 2;
        QTest::newRow("slow but steady") << QList<int> { 900, 900 } << false << 1;
        QTest::newRow("another node in between") << QList<int> { 100, 100 } << true << 3;
    }

    void typingMerges()
    {
        QFETCH(QList<int>, pauses);
        QFETCH(bool, breakBetween);
        QFETCH(int, steps);
        const QByteArray before = saved();
        const QDomElement step = find(m_document.documentElement(), "COMPILATION");
        QString text = QStringLiteral("cc $<");
        text += u'a';
        m_door->setText(step, "VALUE", text);
        for (int pause : pauses) {
            m_now += pause;
            if (breakBetween)
                m_door->breakMerge();
            text += u'a';
            m_door->setText(step, "VALUE", text);
        }
        QCOMPARE(m_door->undoStack()->count(), steps);
        while (m_door->undoStack()->canUndo())
            m_door->undo();
        QCOMPARE(saved(), before);
    }

    void typingMergesPerField()
    {
        const QDomElement root = m_document.documentElement();
        m_door->setText(root, "COMMENT", "a");
        m_door->setText(find(root, "COMPILATION"), "COMMENT", "b");
        m_door->setText(root, "COMMENT", "ab");
        QCOMPARE(m_door->undoStack()->count(), 3);
    }

    void typingBackDropsOut()
    {
        const QByteArray before = saved();
        const QDomElement step = find(m_document.documentElement(), "COMPILATION");
        m_door->setText(step, "COMMENT", "x");
        m_door->setText(step, "COMMENT", "");
        m_door->setText(step, "VALUE", "cc $<!");
        m_door->setText(step, "VALUE", "cc $<");
        QCOMPARE(m_door->undoStack()->count(), 0);
        // Even the empty COMMENT reads as it did, and the CDATA section stayed one.
        QCOMPARE(saved(), before);
    }

    void savedPointBreaksMerging()
    {
        const QDomElement root = m_document.documentElement();
        m_door->setText(root, "COMMENT", "a");
        m_door->undoStack()->setClean();
        m_door->setText(root, "COMMENT", "ab");
        QCOMPARE(m_door->undoStack()->count(), 2);
        m_door->undo();
        QVERIFY(m_door->undoStack()->isClean());
    }

    void undoReportsWhere()
    {
        const QDomElement root = m_document.documentElement();
        QSignalSpy spy(m_door.get(), &QADocumentEditor::revisited);
        m_door->setText(root, "COMMENT", "root: a note");
        QCOMPARE(spy.count(), 0); // the one who typed sees it already
        m_door->undo();
        QCOMPARE(spy.count(), 1);
        auto change = spy.takeFirst().at(0).value<QADocumentChange>();
        QCOMPARE(change.kind, QADocumentChange::Text);
        QVERIFY(change.element == root);
        QCOMPARE(change.name, QStringLiteral("COMMENT"));
        QCOMPARE(change.cursor, 4); // "root| note": after the last character that came back
        m_door->redo();
        change = spy.takeFirst().at(0).value<QADocumentChange>();
        QCOMPARE(change.cursor, 7); // "root: a| note": after what was typed
    }

    void undoReportsWhereAfterTyping()
    {
        // Keystrokes merged into one step, then the history's own jumps (the History dock).
        const QDomElement root = m_document.documentElement();
        QSignalSpy spy(m_door.get(), &QADocumentEditor::revisited);
        for (const char *typed : { "root a note", "root ab note" })
            m_door->setText(root, "COMMENT", typed);
        QCOMPARE(m_door->undoStack()->count(), 1);
        QCOMPARE(spy.count(), 0);
        m_door->undoStack()->setIndex(0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.takeFirst().at(0).value<QADocumentChange>().cursor, 5); // "root |note"
        m_door->undoStack()->setIndex(1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.takeFirst().at(0).value<QADocumentChange>().cursor, 8); // "root ab |note"
    }

    void removedElementComesBackItself()
    {
        const QDomElement file = find(m_document.documentElement(), "NEWCMDFILE");
        QSignalSpy removing(m_door.get(), &QADocumentEditor::elementAboutToBeRemoved);
        QSignalSpy inserted(m_door.get(), &QADocumentEditor::elementInserted);
        m_door->removeElement(file, "Deleted");
        QCOMPARE(removing.count(), 1);
        QVERIFY(file.parentNode().isNull());
        m_door->undo();
        QCOMPARE(inserted.count(), 1);
        QVERIFY(find(m_document.documentElement(), "NEWCMDFILE") == file);
        QVERIFY(file.previousSibling().toElement().tagName() == "COMPILATION");
    }

    void historyIsLongAndNewDocumentEmptiesIt()
    {
        const QDomElement root = m_document.documentElement();
        for (int i = 0; i < 1005; ++i) {
            m_door->breakMerge();
            m_door->setText(root, "COMMENT", QString::number(i));
        }
        QVERIFY(m_door->undoStack()->count() >= 1000);
        m_door->setDocument(m_document);
        QCOMPARE(m_door->undoStack()->count(), 0);
    }

    void documentWithoutDoorIsWrittenAtOnce()
    {
        QDomDocument other;
        QVERIFY(other.setContent(QByteArray("<A><COMMENT>x</COMMENT></A>")));
        QADocumentEditor *door = QADocumentEditor::of(other.documentElement());
        QVERIFY(door != m_door.get());
        door->setText(other.documentElement(), "COMMENT", "y");
        QCOMPARE(other.documentElement().text(), QStringLiteral("y"));
        QCOMPARE(door->undoStack()->count(), 0);
        QCOMPARE(QADocumentEditor::of(m_document.documentElement()), m_door.get());
    }
};

QTEST_GUILESS_MAIN(TestDocumentEditor)
#include "tst_documenteditor.moc"

#include "dialogs/qazyndocbrowser.h"
#include "document/qazyneditor.h"
#include "document/qazyneditornode.h"
#include "document/qazyneditortree.h"
#include "panes/qazynviewer.h"
#include "support/testenvironment.h"

#include <QTest>
#include <QTreeWidgetItemIterator>

// Every node of the shipped templates opens the pane of its kind in the editor area.
class TestNodePanes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyNodeOpensItsPane_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             { "templatec.xdp", "templatea.xdp", "templatej2se.xdp", "templatej2me.xdp" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyNodeOpensItsPane()
    {
        QFETCH(QString, name);
        TestEnvironment env;
        QAZynEditor editor(env.installDir() + QStringLiteral("/targets"));
        QDomElement root = editor.getRootElement(env.installDir() + "/targets/xml/" + name);
        QVERIFY(!root.isNull());
        QVERIFY(editor.buildTree(root));

        const QHash<QString, QString> paneOf {
            { "QARootNode", "QACommentViewer" },      { "QAIsNode", "QACommentViewer" },
            { "QAIsSettingsNode", "QAIsViewer" },     { "QABuildNode", "QACommentViewer" },
            { "QAPerlNode", "QAFctViewer" },          { "QACmdFileNode", "QAFreeText" },
            { "QABinFileNode", "QACommentViewer" },   { "QALibConfNode", "QACommentViewer" },
            { "QALCCommentNode", "QACommentViewer" }, { "QALCComment2Node", "QACommentViewer" },
            { "QALCFreeTextNode", "QAFreeText" },     { "QALCChoiceNode", "QAChoiceViewer" },
            { "QALCItemNode", "QAItemViewer" },       { "QALCFctNode", "QAFctViewer" },
            { "QAJavaCustom", "QACommentViewer" },    { "QAJvmpiCustom", "QACommentViewer" },
            { "QAParserNode", "QACommentViewer" },    { "QAPcWexNode", "QAFreeText" },
            { "QAPcEdgNode", "QACommentViewer" },     { "QAPcOtNode", "QAFreeText" },
            { "QAPcAdaNode", "QAFreeText" },
        };
        int nodes = 0;
        for (QTreeWidgetItemIterator it(editor.editorTree()); *it; ++it) {
            editor.editorTree()->setCurrentItem(*it);
            const QString kind = QString::fromLatin1(typeid(**it).name());
            QAZynViewer *pane = editor.currentViewer();
            QVERIFY2(pane, qPrintable((*it)->text(0)));
            bool matched = false;
            for (auto p = paneOf.cbegin(); p != paneOf.cend(); ++p) {
                if (kind.endsWith(p.key()))
                    matched = QString::fromLatin1(pane->metaObject()->className()) == p.value();
            }
            QVERIFY2(matched, qPrintable(kind + " " + pane->metaObject()->className()));
            ++nodes;
        }
        QVERIFY(nodes > 20);
        // Looking at every pane changes nothing.
        QVERIFY(!editor.isModified());
    }
};

QTEST_MAIN(TestNodePanes)
#include "tst_nodepanes.moc"

#include "document/qabinfilenode.h"
#include "document/qabuildnode.h"
#include "document/qacmdfilenode.h"
#include "document/qaisnode.h"
#include "document/qaissettingsnode.h"
#include "document/qajavacustom.h"
#include "document/qajvmpicustom.h"
#include "document/qalcchoicenode.h"
#include "document/qalccomment2node.h"
#include "document/qalccommentnode.h"
#include "document/qalcfctnode.h"
#include "document/qalcfreetextnode.h"
#include "document/qalcitemnode.h"
#include "document/qalibconfnode.h"
#include "document/qaparsernode.h"
#include "document/qapcadanode.h"
#include "document/qapcedgnode.h"
#include "document/qapcotnode.h"
#include "document/qapcwexnode.h"
#include "document/qaperlnode.h"
#include "document/qarootnode.h"
#include "document/qazyneditortree.h"
#include "document/zyntreebuilder.h"
#include "sdk/qaxmleditor.h"
#include "support/testenvironment.h"

#include <QMenu>
#include <QTest>
#include <QTranslator>

#include <typeinfo>

namespace {

struct Kind
{
    const std::type_info &type;
    const char *name;
    int itemType;
    bool expandable;
    bool renameable;
};

// Every node kind with what its items must show.
const Kind kinds[] = {
    { typeid(QARootNode), "QARootNode", 1000, true, true },
    { typeid(QAIsNode), "QAIsNode", 0, true, false },
    { typeid(QAIsSettingsNode), "QAIsSettingsNode", 0, false, false },
    { typeid(QABuildNode), "QABuildNode", 0, true, false },
    { typeid(QAPerlNode), "QAPerlNode", 0, false, false },
    { typeid(QACmdFileNode), "QACmdFileNode", 2000, false, true },
    { typeid(QABinFileNode), "QABinFileNode", 3000, false, true },
    { typeid(QALibConfNode), "QALibConfNode", 0, true, false },
    { typeid(QALCCommentNode), "QALCCommentNode", 0, true, false },
    { typeid(QALCComment2Node), "QALCComment2Node", 0, true, false },
    { typeid(QALCFreeTextNode), "QALCFreeTextNode", 0, false, false },
    { typeid(QALCChoiceNode), "QALCChoiceNode", 0, false, false },
    { typeid(QALCItemNode), "QALCItemNode", 0, false, false },
    { typeid(QALCFctNode), "QALCFctNode", 0, false, false },
    { typeid(QAJavaCustom), "QAJavaCustom", 0, false, false },
    { typeid(QAJvmpiCustom), "QAJvmpiCustom", 0, true, false },
    { typeid(QAParserNode), "QAParserNode", 0, true, false },
    { typeid(QAPcWexNode), "QAPcWexNode", 0, false, false },
    { typeid(QAPcEdgNode), "QAPcEdgNode", 0, true, false },
    { typeid(QAPcOtNode), "QAPcOtNode", 0, false, false },
    { typeid(QAPcAdaNode), "QAPcAdaNode", 0, false, false },
};

const Kind *kindOf(QTreeWidgetItem *item)
{
    for (const Kind &kind : kinds) {
        if (typeid(*item) == kind.type)
            return &kind;
    }
    return nullptr;
}

void dumpItem(QTreeWidgetItem *item, int depth, QStringList &lines)
{
    const Kind *kind = kindOf(item);
    lines << QString(depth * 2, QLatin1Char(' ')) + item->text(0) + QLatin1Char('[')
            + QLatin1String(kind ? kind->name : "?") + QLatin1Char(']');
    for (int i = 0; i < item->childCount(); ++i)
        dumpItem(item->child(i), depth + 1, lines);
}

// One "text[class]" line per node, indented two blanks per level.
QString dumpTree(QTreeWidget *tree)
{
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        dumpItem(tree->topLevelItem(i), 0, lines);
    return lines.join(QLatin1Char('\n'));
}

void forEachItem(QTreeWidget *tree, const std::function<void(QTreeWidgetItem *)> &visit)
{
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *item) {
        visit(item);
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i));
}

// An element labelled with its own tag.
QString el(const QString &tag, const QString &inner = QString())
{
    return QStringLiteral("<%1 Label=\"%1\">%2</%1>").arg(tag, inner);
}

QString els(const QStringList &tags)
{
    QString xml;
    for (const QString &tag : tags)
        xml += el(tag);
    return xml;
}

QString zyn(const QString &inner)
{
    return QStringLiteral("<ZYN Name=\"T\">") + inner + QStringLiteral("</ZYN>");
}

// Expected lines for nodes labelled with their tags.
QString lines(int depth, const QStringList &tags, const char *className)
{
    QString text;
    for (const QString &tag : tags)
        text += QLatin1Char('\n') + QString(depth * 2, QLatin1Char(' ')) + tag + QLatin1Char('[')
            + QLatin1String(className) + QLatin1Char(']');
    return text;
}

const QStringList settingsTags { "IS_C", "IS_CPP", "IS_A", "IS_A83", "IS_JAVA", "IS_ALL" };
const QStringList buildSteps { "ASSEMBLER", "COMPILATION", "PREPROCESSING", "LIBRARY",
                               "LINK",      "EXECUTE",     "EXECUTEDBG",    "ZYNPERLFUNC" };
const QStringList freeTextSections {
    "FREE_TEXT_BEFORE_FOR_INSTR",         "FREE_TEXT_BEFORE_FOR_ZYN",
    "FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN", "FREE_TEXT_AFTER_FOR_ZYN",
    "FREE_TEXT_WITH_PRIV_IO_ADS",         "FREE_TEXT_ADD_PRIV_IO_ADS"
};
const QStringList groupSections { "COMPILER_SPECIFICS",
                                  "APPLICATION_SPECIFICS",
                                  "TESTING_SPECIFICS",
                                  "IO",
                                  "HEAP",
                                  "CLOCKING",
                                  "THREADING",
                                  "FUNCTIONS" };
const QStringList itemSections { "RESTRICTIONS", "TYPES", "CONSTANTS", "COMPONENTTESTING" };
const QStringList choiceSections { "CLOCK", "THREADS", "FILTERS" };
const QStringList subGroups { "SYSTEM_TESTING", "OBSERVATIONS", "COMMENT_PAGE" };
const QStringList groupChoices { "EXIT",
                                 "DATE",
                                 "INIT",
                                 "MEMCPY",
                                 "CLOCK",
                                 "THREADS",
                                 "GENERAL_IO",
                                 "ERROR_IO",
                                 "GENERAL_HEAP",
                                 "LOWLEVEL_MEMLIB",
                                 "MEMLIB_EXTENSION",
                                 "CHOICE_PAGE" };
const QStringList groupItems { "PREPROCESSING_SPECIFICS",
                               "LINKAGE",
                               "CPP_SPECIFICS",
                               "DATA_TYPES",
                               "SPRINTF",
                               "MAIN_RETURN",
                               "STRING_SUPPORT",
                               "FLOAT_SUPPORT",
                               "SETTINGS_IO",
                               "ITEM_PAGE" };
const QStringList groupFunctions { "PRIV_INIT",    "PRIV_CLOCK", "PRIV_OPEN",
                                   "PRIV_WRITELN", "PRIV_CLOSE", "FCT_PAGE" };
const QStringList groupFreeTexts { "FREE_TEXT_WITH_PRIV_IO_ADB", "FREE_TEXT_TOP_ADD_PRIV_IO_ADB",
                                   "FREE_TEXT_ADD_PRIV_IO_ADB" };
const QStringList subGroupChoices { "MEMCPY", "GETHOSTNAME", "ATSMAIN", "RDV",     "ATEXIT",
                                    "GETENV", "GETPID",      "SIGNAL",  "LONGJMP", "CHOICE_PAGE" };
const QStringList subGroupItems { "DYNTRACK", "INITSUPPORTED", "ITEM_PAGE" };
const QStringList javaChoices { "JAVA_EARLYINIT", "JAVA_THREADS", "JAVA_DATARETRIEVAL",
                                "JAVA_CLOCK" };
const QStringList jvmpiFreeTexts { "FREE_TEXT_BEFORE_FOR_ZYN", "FREE_TEXT_AFTER_FOR_ZYN",
                                   "BUILD_JVMPI" };
const QStringList jvmpiChoices {
    "JVMPI_HEAP",  "JVMPI_IO", "JVMPI_ERROR", "JVMPI_STRING", "JVMPI_DATE_IN_MILLISEC",
    "JVMPI_SOCKET"
};
const QStringList parserAdaTags { "STANDARDA83", "STANDARDA95", "SYSTEMADA83",
                                  "SYSTEMADA95", "JTESTXML",    "PCOPP" };

const QString rootLine = QStringLiteral("T[QARootNode]");

// A translator for document labels only.
class LabelTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (QByteArray(context) == "XDP Labels" && QByteArray(source) == "Basic Settings")
            return QStringLiteral("Réglages de base");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The tree built from a document: which nodes, where, with what text.
class TestTreeBuild : public QObject
{
    Q_OBJECT

private:
    QDomElement parse(const QString &xml)
    {
        m_document = QDomDocument();
        if (!m_document.setContent(xml))
            return QDomElement();
        return m_document.documentElement();
    }

    QDomDocument m_document;

private Q_SLOTS:
    void buildsTheDocumentsStructure_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("dump");

        QTest::newRow("root without groups shows only the root")
            << zyn("<COMMENT>c</COMMENT>") << true << rootLine;
        QTest::newRow("not a ZYN root builds nothing")
            << "<ZYX Name=\"T\"><IS/></ZYX>" << false << QString();
        QTest::newRow("missing attributes give empty texts")
            << "<ZYN><IS><IS_C/></IS></ZYN>" << true
            << "[QARootNode]\n  [QAIsNode]\n    [QAIsSettingsNode]";
        QTest::newRow("unknown top-level children are skipped")
            << zyn("<COMMENT/>" + el("OTHER", el("IS")) + el("BUILD")) << true
            << rootLine + lines(1, { "BUILD" }, "QABuildNode");

        // Group placement: each group after its predecessor made so far, else first.
        QTest::newRow("groups in the usual order")
            << zyn(els({ "IS", "BUILD", "LIBCONF", "PARSERCONF" })) << true
            << rootLine + lines(1, { "IS" }, "QAIsNode") + lines(1, { "BUILD" }, "QABuildNode")
                + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(1, { "PARSERCONF" }, "QAParserNode");
        QTest::newRow("groups in reverse order each go first")
            << zyn(els({ "PARSERCONF", "LIBCONF", "BUILD", "IS" })) << true
            << rootLine + lines(1, { "IS" }, "QAIsNode") + lines(1, { "BUILD" }, "QABuildNode")
                + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(1, { "PARSERCONF" }, "QAParserNode");
        QTest::newRow("a group met before its predecessor goes first")
            << zyn(els({ "IS", "PARSERCONF", "BUILD", "LIBCONF" })) << true
            << rootLine + lines(1, { "PARSERCONF" }, "QAParserNode")
                + lines(1, { "IS" }, "QAIsNode") + lines(1, { "BUILD" }, "QABuildNode")
                + lines(1, { "LIBCONF" }, "QALibConfNode");
        QTest::newRow("IS is always first") << zyn(els({ "BUILD", "LIBCONF", "IS" })) << true
                                            << rootLine + lines(1, { "IS" }, "QAIsNode")
                + lines(1, { "BUILD" }, "QABuildNode") + lines(1, { "LIBCONF" }, "QALibConfNode");

        QTest::newRow("IS: every settings tag, the first one too, others skipped")
            << zyn(el("IS",
                      el("IS_C") + "<COMMENT>c</COMMENT>" + els({ "IS_CPP", "UNKNOWN", "IS_A" })
                          + el("OTHER", el("IS_A83")) + els({ "IS_A83", "IS_JAVA", "IS_ALL" })))
            << true
            << rootLine + lines(1, { "IS" }, "QAIsNode")
                + lines(2, settingsTags, "QAIsSettingsNode");

        QTest::newRow("BUILD: steps and carried files in document order")
            << zyn(el("BUILD",
                      "<COMMENT>c</COMMENT>" + els(buildSteps.mid(0, 4))
                          + "<NEWCMDFILE Name=\"run.sh\"><COMMENT/><VALUE>x</VALUE></NEWCMDFILE>"
                          + els({ "IS_C", "UNKNOWN" }) + els(buildSteps.mid(4))
                          + "<NEWBINFILE Name=\"lib.a\"><COMMENT/><BASE64/></NEWBINFILE>"))
            << true
            << rootLine + lines(1, { "BUILD" }, "QABuildNode")
                + lines(2, buildSteps.mid(0, 4), "QAPerlNode")
                + lines(2, { "run.sh" }, "QACmdFileNode")
                + lines(2, buildSteps.mid(4), "QAPerlNode")
                + lines(2, { "lib.a" }, "QABinFileNode");

        QTest::newRow("LIBCONF: every section tag by its kind")
            << zyn(el("LIBCONF",
                      "<COMMENT/>"
                          + el("LIBCONFC",
                               els(freeTextSections) + els(groupSections) + el("UNKNOWN")
                                   + els(itemSections) + els(choiceSections) + el("EXIT")
                                   + els({ "CUSTOMJAVA", "CUSTOMJVMPI" }))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, freeTextSections, "QALCFreeTextNode")
                + lines(2, groupSections, "QALCCommentNode")
                + lines(2, itemSections, "QALCItemNode")
                + lines(2, choiceSections, "QALCChoiceNode")
                + lines(2, { "CUSTOMJAVA" }, "QAJavaCustom")
                + lines(2, { "CUSTOMJVMPI" }, "QAJvmpiCustom");

        QTest::newRow("group section: every child tag by its kind")
            << zyn(el("LIBCONF",
                      el("LIBCONFC",
                         el("IO",
                            "<COMMENT/>" + els(subGroups) + els(groupChoices) + el("RESTRICTIONS")
                                + els(groupItems) + els(groupFunctions) + el("JAVA_CLOCK")
                                + els(groupFreeTexts)))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "IO" }, "QALCCommentNode") + lines(3, subGroups, "QALCComment2Node")
                + lines(3, groupChoices, "QALCChoiceNode") + lines(3, groupItems, "QALCItemNode")
                + lines(3, groupFunctions, "QALCFctNode")
                + lines(3, groupFreeTexts, "QALCFreeTextNode");

        QTest::newRow("sub-group: choices and items, others skipped")
            << zyn(el("LIBCONF",
                      el("LIBCONFC",
                         el("TESTING_SPECIFICS",
                            el("OBSERVATIONS",
                               els(subGroupChoices.mid(0, 5)) + els({ "PRIV_INIT", "CLOCK" })
                                   + els(subGroupItems) + el("COMMENT_PAGE")
                                   + els(subGroupChoices.mid(5)))))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "TESTING_SPECIFICS" }, "QALCCommentNode")
                + lines(3, { "OBSERVATIONS" }, "QALCComment2Node")
                + lines(4, subGroupChoices.mid(0, 5), "QALCChoiceNode")
                + lines(4, subGroupItems, "QALCItemNode")
                + lines(4, subGroupChoices.mid(5), "QALCChoiceNode");

        QTest::newRow("CUSTOMJAVA and CUSTOMJVMPI kind tables")
            << zyn(el("LIBCONF",
                      el("LIBCONFJAVA",
                         el("CUSTOMJAVA", el("JAVA_IMPORTS") + el("JVMPI_HEAP") + els(javaChoices))
                             + el("CUSTOMJVMPI",
                                  els(jvmpiFreeTexts) + el("JAVA_CLOCK") + els(jvmpiChoices)))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "CUSTOMJAVA" }, "QAJavaCustom")
                + lines(3, { "JAVA_IMPORTS" }, "QALCFreeTextNode")
                + lines(3, javaChoices, "QALCChoiceNode")
                + lines(2, { "CUSTOMJVMPI" }, "QAJvmpiCustom")
                + lines(3, jvmpiFreeTexts, "QALCFreeTextNode")
                + lines(3, jvmpiChoices, "QALCChoiceNode");

        QTest::newRow("CLOCK at its three levels") << zyn(
            el("LIBCONF",
               el("LIBCONFC",
                  el("CLOCK") + el("CLOCKING", el("CLOCK") + el("SYSTEM_TESTING", el("CLOCK"))))))
                                                   << true
                                                   << rootLine
                + lines(1, { "LIBCONF" }, "QALibConfNode") + lines(2, { "CLOCK" }, "QALCChoiceNode")
                + lines(2, { "CLOCKING" }, "QALCCommentNode")
                + lines(3, { "CLOCK" }, "QALCChoiceNode")
                + lines(3, { "SYSTEM_TESTING" }, "QALCComment2Node");

        QTest::newRow("two sections with the same tag both shown") << zyn(el(
            "LIBCONF",
            el("LIBCONFC", "<TYPES Label=\"first\"/>" + el("HEAP") + "<TYPES Label=\"second\"/>")))
                                                                   << true
                                                                   << rootLine
                + lines(1, { "LIBCONF" }, "QALibConfNode") + lines(2, { "first" }, "QALCItemNode")
                + lines(2, { "HEAP" }, "QALCCommentNode") + lines(2, { "second" }, "QALCItemNode");

        QTest::newRow("LIBCONFC wins over an earlier LIBCONFA")
            << zyn(el("LIBCONF",
                      el("LIBCONFJAVA", el("FILTERS")) + el("LIBCONFA", el("TYPES"))
                          + el("LIBCONFC", el("CONSTANTS")) + el("LIBCONFC", el("CLOCK"))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "CONSTANTS" }, "QALCItemNode");
        QTest::newRow("LIBCONFA wins over LIBCONFJAVA")
            << zyn(el("LIBCONF", el("LIBCONFJAVA", el("FILTERS")) + el("LIBCONFA", el("TYPES"))))
            << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "TYPES" }, "QALCItemNode");
        QTest::newRow("LIBCONF without a variant shows no sections")
            << zyn(el("LIBCONF", "<COMMENT/>" + el("TYPES") + el("OTHER", el("CLOCK")))) << true
            << rootLine + lines(1, { "LIBCONF" }, "QALibConfNode");

        QTest::newRow("carried files outside BUILD are not shown") << zyn(
            "<NEWCMDFILE Name=\"a\"/>" + el("IS", "<NEWCMDFILE Name=\"b\"/>")
            + el("BUILD", el("LINK", "<NEWBINFILE Name=\"c\"/>"))
            + el("LIBCONF",
                 el("LIBCONFC", "<NEWCMDFILE Name=\"d\"/>" + el("IO", "<NEWBINFILE Name=\"e\"/>"))))
                                                                   << true
                                                                   << rootLine
                + lines(1, { "IS" }, "QAIsNode") + lines(1, { "BUILD" }, "QABuildNode")
                + lines(2, { "LINK" }, "QAPerlNode") + lines(1, { "LIBCONF" }, "QALibConfNode")
                + lines(2, { "IO" }, "QALCCommentNode");

        QTest::newRow("PARSERCONF: parsers of the second child node")
            << zyn(el("PARSERCONF",
                      "<COMMENT/>"
                          + el("PARSERS",
                               "<PC_WEX><WEXCONF Label=\"wex\"/></PC_WEX>"
                                   + el("PC_EDG", els({ "PCOPP", "STANDARDA83", "PCHPP" }))
                                   + els(parserAdaTags.mid(0, 3)) + el("PCHPP") + el("UNKNOWN")
                                   + els(parserAdaTags.mid(3)))))
            << true
            << rootLine + lines(1, { "PARSERCONF" }, "QAParserNode")
                + lines(2, { "wex" }, "QAPcWexNode") + lines(2, { "PC_EDG" }, "QAPcEdgNode")
                + lines(3, { "PCOPP", "PCHPP" }, "QAPcOtNode")
                + lines(2, parserAdaTags, "QAPcAdaNode");
        QTest::newRow("PARSERCONF: the first child node is passed over, whatever it is")
            << zyn(el("PARSERCONF", el("PARSERS", el("STANDARDA83")) + el("MORE", el("JTESTXML")))
                   + el("PARSERCONF", "note" + el("PARSERS", el("SYSTEMADA95"))))
            << true
            // Without a LIBCONF each PARSERCONF goes first: the later one shows above.
            << rootLine + lines(1, { "PARSERCONF" }, "QAParserNode")
                + lines(2, { "SYSTEMADA95" }, "QAPcAdaNode")
                + lines(1, { "PARSERCONF" }, "QAParserNode")
                + lines(2, { "JTESTXML" }, "QAPcAdaNode");
        QTest::newRow("PC_WEX without a first element has an empty text")
            << zyn(el("PARSERCONF",
                      "<COMMENT/><PARSERS><PC_WEX>text<WEXCONF Label=\"w\"/></PC_WEX>"
                      "<PC_WEX/></PARSERS>"))
            << true
            << rootLine + lines(1, { "PARSERCONF" }, "QAParserNode") + "\n    [QAPcWexNode]"
                + "\n    [QAPcWexNode]";
    }
    void buildsTheDocumentsStructure()
    {
        QFETCH(QString, xml);
        QFETCH(bool, result);
        QFETCH(QString, dump);

        QDomElement root = parse(xml);
        QVERIFY(!root.isNull());
        QTreeWidget tree;
        QCOMPARE(buildZynTree(&tree, root), result);
        QCOMPARE(dumpTree(&tree), dump);
    }

    // Over the four templates and a document with carried files: every node shows its kind's
    // type, indicator, renaming and open state, and the templates together use every kind.
    void everyNodeShowsItsKind()
    {
        TestEnvironment env;
        QAZynEditorTree tree;
        QStringList seenInTemplates;
        const QString dir = env.installDir() + QStringLiteral("/targets/xml/");
        const QStringList documents { dir + "templatec.xdp", dir + "templatea.xdp",
                                      dir + "templatej2se.xdp", dir + "templatej2me.xdp",
                                      TestEnvironment::dataFile("tree/carriedfiles.xdp") };
        for (const QString &path : documents) {
            QDomDocument document;
            QDomElement root = QAXmlEditor::readRootElement(path, document);
            QVERIFY2(!root.isNull(), qPrintable(path));
            tree.clearTree();
            QVERIFY2(buildZynTree(&tree, root), qPrintable(path));
            QCOMPARE(tree.topLevelItem(0)->text(0), root.attribute(QStringLiteral("Name")));

            forEachItem(&tree, [&](QTreeWidgetItem *item) {
                const Kind *kind = kindOf(item);
                QVERIFY(kind);
                if (path.startsWith(dir))
                    seenInTemplates << QLatin1String(kind->name);
                QCOMPARE(item->type(),
                         kind->itemType ? kind->itemType : int(QTreeWidgetItem::Type));
                QCOMPARE(item->childIndicatorPolicy(),
                         kind->expandable ? QTreeWidgetItem::ShowIndicator
                                          : QTreeWidgetItem::DontShowIndicatorWhenChildless);
                QCOMPARE(bool(item->flags() & Qt::ItemIsEditable), kind->renameable);
                QVERIFY2(item->isExpanded(), qPrintable(item->text(0)));
            });
        }
        for (const Kind &kind : kinds) {
            if (kind.type == typeid(QABinFileNode))
                QEXPECT_FAIL("", "no template carries a binary file yet", Continue);
            QVERIFY2(seenInTemplates.contains(QLatin1String(kind.name)), kind.name);
        }
    }

    void templatesShowTheirLanguagesSections_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("C") << "templatec.xdp";
        QTest::newRow("Ada") << "templatea.xdp";
        QTest::newRow("J2SE") << "templatej2se.xdp";
        QTest::newRow("J2ME") << "templatej2me.xdp";
    }
    void templatesShowTheirLanguagesSections()
    {
        QFETCH(QString, file);
        TestEnvironment env;
        QDomDocument document;
        QDomElement root = QAXmlEditor::readRootElement(
            env.installDir() + QStringLiteral("/targets/xml/") + file, document);
        QTreeWidget tree;
        QVERIFY(buildZynTree(&tree, root));
        // The four groups in their order, each with its children.
        QTreeWidgetItem *top = tree.topLevelItem(0);
        QCOMPARE(top->childCount(), 4);
        QVERIFY(dynamic_cast<QAIsNode *>(top->child(0)));
        QVERIFY(dynamic_cast<QABuildNode *>(top->child(1)));
        QVERIFY(dynamic_cast<QALibConfNode *>(top->child(2)));
        QVERIFY(dynamic_cast<QAParserNode *>(top->child(3)));
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(top->child(i)->childCount() > 0, qPrintable(top->child(i)->text(0)));
            QVERIFY(!top->child(i)->text(0).isEmpty());
        }
    }

    void labelsAreTranslatedAndNamesAreNot()
    {
        LabelTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QDomElement root = parse("<ZYN Name=\"Basic Settings\"><IS Label=\"Basic Settings\"/>"
                                 "<BUILD><NEWCMDFILE Name=\"Basic Settings\"/></BUILD></ZYN>");
        QTreeWidget tree;
        QVERIFY(buildZynTree(&tree, root));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(dumpTree(&tree),
                 QStringLiteral("Basic Settings[QARootNode]\n  Réglages de base[QAIsNode]\n"
                                "  [QABuildNode]\n    Basic Settings[QACmdFileNode]"));
    }

    void pcWexStandsForItsFirstElement()
    {
        QDomElement root = parse(zyn(el("PARSERCONF",
                                        "<COMMENT/><PARSERS><PC_WEX><WEXCONF Label=\"w\"/><X/>"
                                        "</PC_WEX><PC_WEX><!--c--><WEXCONF/></PC_WEX></PARSERS>")));
        QTreeWidget tree;
        QVERIFY(buildZynTree(&tree, root));
        QTreeWidgetItem *parsers = tree.topLevelItem(0)->child(0);
        auto *withElement = dynamic_cast<QAPcWexNode *>(parsers->child(0));
        auto *withComment = dynamic_cast<QAPcWexNode *>(parsers->child(1));
        QVERIFY(withElement && withComment);
        QCOMPARE(withElement->data().tagName(), QStringLiteral("WEXCONF"));
        QCOMPARE(withElement->data().parentNode().toElement().tagName(), QStringLiteral("PC_WEX"));
        QVERIFY(withComment->data().isNull());
        QCOMPARE(withComment->text(0), QString());
    }

    void nodesBuiltAwayFromTheTreeOpenWhenTheyArrive()
    {
        QDomElement root = parse(zyn(el("BUILD", el("LINK"))));
        QAZynEditorTree tree;
        auto *detached
            = new QABuildNode(static_cast<QTreeWidgetItem *>(nullptr), root.firstChildElement());
        QDomElement build = root.firstChildElement();
        detached->buildChild(nullptr, build);
        tree.addTopLevelItem(detached);
        QVERIFY(detached->isExpanded());
        QVERIFY(detached->child(0)->isExpanded());
    }

    void unknownSectionKindIsReported()
    {
        QDomElement root = parse(zyn(el("LIBCONF")));
        QTreeWidget tree;
        QVERIFY(buildZynTree(&tree, root));
        QTest::ignoreMessage(QtWarningMsg,
                             "QALibConfNode::buildChild():ERROR: unhandled widget_type 6 ...");
        QVERIFY(!QALibConfNode::createSection(6, tree.topLevelItem(0), nullptr,
                                              root.firstChildElement()));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 1);
    }

    void contextMenus_data()
    {
        QTest::addColumn<QString>("path"); // child indexes from the root, "" for the root
        QTest::addColumn<QString>("menu");
        const QString append = QStringLiteral("A&ppend>{Ascii File|Binary File}");
        QTest::newRow("root") << ""
                              << "&Rename";
        QTest::newRow("IS") << "0"
                            << "";
        QTest::newRow("settings") << "0.0"
                                  << "";
        QTest::newRow("BUILD") << "1"
                               << "&Add Child>{Ascii File|Binary File}";
        QTest::newRow("build step") << "1.0" << append;
        QTest::newRow("text file") << "1.1" << append + "|-|&Delete|&Rename";
        QTest::newRow("binary file") << "1.2" << append + "|-|&Delete|&Rename";
        QTest::newRow("LIBCONF") << "2"
                                 << "";
        QTest::newRow("section") << "2.0"
                                 << "";
        QTest::newRow("PARSERCONF") << "3"
                                    << "";
    }
    void contextMenus()
    {
        QFETCH(QString, path);
        QFETCH(QString, menu);
        QDomElement root = parse(
            zyn(el("IS", el("IS_C"))
                + el("BUILD", el("LINK") + "<NEWCMDFILE Name=\"a\"/>" + "<NEWBINFILE Name=\"b\"/>")
                + el("LIBCONF", el("LIBCONFC", el("TYPES"))) + el("PARSERCONF")));
        QAZynEditorTree tree;
        QVERIFY(buildZynTree(&tree, root));
        QTreeWidgetItem *item = tree.topLevelItem(0);
        for (const QString &step : path.split(QLatin1Char('.'), Qt::SkipEmptyParts))
            item = item->child(step.toInt());

        std::unique_ptr<QMenu> popup(zynNode(item)->setupPopupMenu());
        std::function<QString(QMenu *)> describe = [&](QMenu *m) {
            QStringList entries;
            for (QAction *action : m->actions()) {
                if (action->isSeparator())
                    entries << QStringLiteral("-");
                else if (action->menu())
                    entries << action->text() + ">{" + describe(action->menu()) + "}";
                else
                    entries << action->text();
            }
            return entries.join(QLatin1Char('|'));
        };
        QCOMPARE(popup ? describe(popup.get()) : QString(), menu);
        if (popup)
            QCOMPARE(popup->parent(), &tree);
    }
};

QTEST_MAIN(TestTreeBuild)
#include "tst_treebuild.moc"

#pragma once

// The vocabulary of .xdp documents: tags, attributes and fixed values, named once.

#include <QDomElement>
#include <QLatin1String>
#include <QStringList>

namespace Zyn {

// The one format version this editor edits.
constexpr QLatin1String EditorVersion("V2009");

namespace Attr {
constexpr QLatin1String Name("Name");
constexpr QLatin1String Type("type");
constexpr QLatin1String Version("Version");
constexpr QLatin1String GenerateIn("generate_in");
constexpr QLatin1String ReadOnly("read_only");
constexpr QLatin1String Label("Label");
constexpr QLatin1String Doc("Doc");
constexpr QLatin1String Value("Value");
constexpr QLatin1String Defined("Defined");
constexpr QLatin1String Sensitive("Sensitive");
} // namespace Attr

namespace Value {
constexpr QLatin1String Yes("yes");
constexpr QLatin1String No("no");
constexpr QLatin1String On("1");
constexpr QLatin1String Off("0");
constexpr QLatin1String CppType("CCPP");
constexpr QLatin1String UserKeyDoc("ISOTHERS");
constexpr QLatin1String NewAsciiFileName("NewAsciiFile.txt");
} // namespace Value

namespace Tag {
constexpr QLatin1String Root("ZYN");
constexpr QLatin1String Comment("COMMENT");
constexpr QLatin1String ValueText("VALUE");
constexpr QLatin1String Key("KEY");

// Top-level groups
constexpr QLatin1String IS("IS");
constexpr QLatin1String Build("BUILD");
constexpr QLatin1String LibConf("LIBCONF");
constexpr QLatin1String ParserConf("PARSERCONF");

// Basic settings
constexpr QLatin1String IniField("INIFIELD");

// Carried files
constexpr QLatin1String NewCmdFile("NEWCMDFILE");
constexpr QLatin1String NewBinFile("NEWBINFILE");

// Library configuration variants, in the order they are looked up
constexpr QLatin1String LibConfC("LIBCONFC");
constexpr QLatin1String LibConfA("LIBCONFA");
constexpr QLatin1String LibConfJava("LIBCONFJAVA");
constexpr QLatin1String CustomJava("CUSTOMJAVA");
constexpr QLatin1String CustomJvmpi("CUSTOMJVMPI");

// Function elements
constexpr QLatin1String ValueFctPerl("VALUEFCTPERL");
constexpr QLatin1String ValueFctAda("VALUEFCTADA");
constexpr QLatin1String ValueFct("VALUEFCT");
constexpr QLatin1String ValueFctC("VALUEFCTC");
constexpr QLatin1String ValueFctH("VALUEFCTH");
constexpr QLatin1String Proto("PROTO");
constexpr QLatin1String Tail("TAIL");

// Macros
constexpr QLatin1String TextMacro("TEXT_MACRO");
constexpr QLatin1String TypeAda("TYPEADA");
constexpr QLatin1String ConstantAda("CONSTANTADA");
constexpr QLatin1String ConstantStringAda("CONSTANTSTRINGADA");
constexpr QLatin1String BinaryMacro("BINARY_MACRO");
constexpr QLatin1String RenameAda("RENAMEADA");
constexpr QLatin1String OptionalMacro("OPTIONAL_MACRO");

// Choices
constexpr QLatin1String Choice("CHOICE");
constexpr QLatin1String ChoiceData("CHOICEDATA");
constexpr QLatin1String Onglet("ONGLET");
constexpr QLatin1String Item("ITEM");

// Parser configuration
constexpr QLatin1String PcWex("PC_WEX");
constexpr QLatin1String PcEdg("PC_EDG");
constexpr QLatin1String PcOpp("PCOPP");
constexpr QLatin1String PcHpp("PCHPP");
} // namespace Tag

// Settings elements under IS.
const QStringList &settingsTags();
// The predefined keys of a settings container, in display order.
const QStringList &predefinedKeys();
// Build steps under BUILD.
const QStringList &buildStepTags();
// Function element tags of a function pane, in order of preference.
const QStringList &functionTags();
// Function element tags that make a code tab of a choice.
const QStringList &codeTabTags();
// Macro tags shown by the item pane; the text, binary and optional kinds.
const QStringList &textMacroTags();
const QStringList &binaryMacroTags();
const QStringList &optionalMacroTags();
// Macro tags shown in an item tab of a choice.
const QStringList &itemTabMacroTags();

// An element's Label as the user reads it: translated through the document labels' catalogue.
QString translatedLabel(const QDomElement &element);

// Library sections by kind, directly under the variant element.
enum class SectionKind {
    NotASection = -1,
    FreeText = 0,
    Group = 1,
    Item = 2,
    Choice = 3,
    JavaGroup = 4,
    JvmpiGroup = 5
};
SectionKind libConfSectionKind(const QString &tag);

// What the children of CUSTOMJAVA and CUSTOMJVMPI are shown as.
enum class CustomKind { NotShown, FreeText, Choice };
CustomKind customJavaKind(const QString &tag);
CustomKind customJvmpiKind(const QString &tag);

// Children of a group section.
const QStringList &groupSubGroupTags();
const QStringList &groupChoiceTags();
const QStringList &groupItemTags();
const QStringList &groupFunctionTags();
const QStringList &groupFreeTextTags();
// Children of a sub-group.
const QStringList &subGroupChoiceTags();
const QStringList &subGroupItemTags();
// Parser elements inside the parser container (besides PC_WEX and PC_EDG).
const QStringList &parserAdaTags();

} // namespace Zyn

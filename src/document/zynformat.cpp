#include "document/zynformat.h"

#include <QCoreApplication>
#include <QHash>

namespace Zyn {

#define ZYN_LIST(name, ...)                                                                        \
    const QStringList &name()                                                                      \
    {                                                                                              \
        static const QStringList list { __VA_ARGS__ };                                             \
        return list;                                                                               \
    }

ZYN_LIST(settingsTags, "IS_C", "IS_CPP", "IS_A", "IS_A83", "IS_JAVA", "IS_ALL")
ZYN_LIST(predefinedKeys, "ASMEXT", "SRCEXT", "OBJEXT", "EXEEXT", "DEFAULT_INCLUDE_PATHS",
         "DEFAULT_DEFINES", "DEFAULT_CPPFLAGS", "DEFAULT_CFLAGS", "DEFAULT_LDFLAGS",
         "DEFAULT_LIBRARY_PATHS", "DEFAULT_LIBS")
ZYN_LIST(buildStepTags, "ASSEMBLER", "COMPILATION", "PREPROCESSING", "LIBRARY", "LINK", "EXECUTE",
         "EXECUTEDBG", "ZYNPERLFUNC")
ZYN_LIST(functionTags, "VALUEFCTPERL", "VALUEFCTADA", "VALUEFCT")
ZYN_LIST(codeTabTags, "VALUEFCTPERL", "VALUEFCT", "VALUEFCTC", "VALUEFCTH")
ZYN_LIST(textMacroTags, "TEXT_MACRO", "TYPEADA", "CONSTANTADA", "CONSTANTSTRINGADA")
ZYN_LIST(binaryMacroTags, "BINARY_MACRO", "RENAMEADA")
ZYN_LIST(optionalMacroTags, "OPTIONAL_MACRO")
ZYN_LIST(itemTabMacroTags, "TEXT_MACRO", "BINARY_MACRO", "OPTIONAL_MACRO")
ZYN_LIST(groupSubGroupTags, "SYSTEM_TESTING", "OBSERVATIONS", "COMMENT_PAGE")
ZYN_LIST(groupChoiceTags, "EXIT", "DATE", "INIT", "MEMCPY", "CLOCK", "THREADS", "GENERAL_IO",
         "ERROR_IO", "GENERAL_HEAP", "LOWLEVEL_MEMLIB", "MEMLIB_EXTENSION", "CHOICE_PAGE")
ZYN_LIST(groupItemTags, "PREPROCESSING_SPECIFICS", "LINKAGE", "CPP_SPECIFICS", "DATA_TYPES",
         "SPRINTF", "MAIN_RETURN", "STRING_SUPPORT", "FLOAT_SUPPORT", "SETTINGS_IO", "ITEM_PAGE")
ZYN_LIST(groupFunctionTags, "PRIV_INIT", "PRIV_CLOCK", "PRIV_OPEN", "PRIV_WRITELN", "PRIV_CLOSE",
         "FCT_PAGE")
ZYN_LIST(groupFreeTextTags, "FREE_TEXT_WITH_PRIV_IO_ADB", "FREE_TEXT_TOP_ADD_PRIV_IO_ADB",
         "FREE_TEXT_ADD_PRIV_IO_ADB")
ZYN_LIST(subGroupChoiceTags, "MEMCPY", "GETHOSTNAME", "ATSMAIN", "RDV", "ATEXIT", "GETENV",
         "GETPID", "SIGNAL", "LONGJMP", "CHOICE_PAGE")
ZYN_LIST(subGroupItemTags, "DYNTRACK", "INITSUPPORTED", "ITEM_PAGE")
ZYN_LIST(parserAdaTags, "STANDARDA83", "STANDARDA95", "SYSTEMADA83", "SYSTEMADA95", "JTESTXML",
         "PCOPP")

#undef ZYN_LIST

QString translatedLabel(const QDomElement &element)
{
    const QByteArray label = element.attribute(Attr::Label).toUtf8();
    return QCoreApplication::translate("XDP Labels", label.constData());
}

SectionKind libConfSectionKind(const QString &tag)
{
    using K = SectionKind;
    static const QHash<QString, SectionKind> table {
        { "FREE_TEXT_BEFORE_FOR_INSTR", K::FreeText },
        { "FREE_TEXT_BEFORE_FOR_ZYN", K::FreeText },
        { "FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN", K::FreeText },
        { "FREE_TEXT_AFTER_FOR_ZYN", K::FreeText },
        { "FREE_TEXT_WITH_PRIV_IO_ADS", K::FreeText },
        { "FREE_TEXT_ADD_PRIV_IO_ADS", K::FreeText },
        { "COMPILER_SPECIFICS", K::Group },
        { "APPLICATION_SPECIFICS", K::Group },
        { "TESTING_SPECIFICS", K::Group },
        { "IO", K::Group },
        { "HEAP", K::Group },
        { "CLOCKING", K::Group },
        { "THREADING", K::Group },
        { "FUNCTIONS", K::Group },
        { "RESTRICTIONS", K::Item },
        { "TYPES", K::Item },
        { "CONSTANTS", K::Item },
        { "COMPONENTTESTING", K::Item },
        { "CLOCK", K::Choice },
        { "THREADS", K::Choice },
        { "FILTERS", K::Choice },
        { "CUSTOMJAVA", K::JavaGroup },
        { "CUSTOMJVMPI", K::JvmpiGroup },
    };
    return table.value(tag, SectionKind::NotASection);
}

CustomKind customJavaKind(const QString &tag)
{
    using K = CustomKind;
    static const QHash<QString, CustomKind> table {
        { "JAVA_IMPORTS", K::FreeText }, { "JAVA_EARLYINIT", K::Choice },
        { "JAVA_THREADS", K::Choice },   { "JAVA_DATARETRIEVAL", K::Choice },
        { "JAVA_CLOCK", K::Choice },
    };
    return table.value(tag, CustomKind::NotShown);
}

CustomKind customJvmpiKind(const QString &tag)
{
    using K = CustomKind;
    static const QHash<QString, CustomKind> table {
        { "FREE_TEXT_BEFORE_FOR_ZYN", K::FreeText },
        { "FREE_TEXT_AFTER_FOR_ZYN", K::FreeText },
        { "BUILD_JVMPI", K::FreeText },
        { "JVMPI_HEAP", K::Choice },
        { "JVMPI_IO", K::Choice },
        { "JVMPI_ERROR", K::Choice },
        { "JVMPI_STRING", K::Choice },
        { "JVMPI_DATE_IN_MILLISEC", K::Choice },
        { "JVMPI_SOCKET", K::Choice },
    };
    return table.value(tag, CustomKind::NotShown);
}

} // namespace Zyn

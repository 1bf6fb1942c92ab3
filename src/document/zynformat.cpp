#include "document/zynformat.h"

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

static int lookUp(const QHash<QString, int> &table, const QString &tag)
{
    return table.value(tag, -1);
}

int libConfSectionKind(const QString &tag)
{
    static const QHash<QString, int> table {
        { "FREE_TEXT_BEFORE_FOR_INSTR", 0 },
        { "FREE_TEXT_BEFORE_FOR_ZYN", 0 },
        { "FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN", 0 },
        { "FREE_TEXT_AFTER_FOR_ZYN", 0 },
        { "FREE_TEXT_WITH_PRIV_IO_ADS", 0 },
        { "FREE_TEXT_ADD_PRIV_IO_ADS", 0 },
        { "COMPILER_SPECIFICS", 1 },
        { "APPLICATION_SPECIFICS", 1 },
        { "TESTING_SPECIFICS", 1 },
        { "IO", 1 },
        { "HEAP", 1 },
        { "CLOCKING", 1 },
        { "THREADING", 1 },
        { "FUNCTIONS", 1 },
        { "RESTRICTIONS", 2 },
        { "TYPES", 2 },
        { "CONSTANTS", 2 },
        { "COMPONENTTESTING", 2 },
        { "CLOCK", 3 },
        { "THREADS", 3 },
        { "FILTERS", 3 },
        { "CUSTOMJAVA", 4 },
        { "CUSTOMJVMPI", 5 },
    };
    return lookUp(table, tag);
}

int customJavaKind(const QString &tag)
{
    static const QHash<QString, int> table {
        { "JAVA_IMPORTS", 0 },       { "JAVA_EARLYINIT", 1 }, { "JAVA_THREADS", 1 },
        { "JAVA_DATARETRIEVAL", 1 }, { "JAVA_CLOCK", 1 },
    };
    return lookUp(table, tag);
}

int customJvmpiKind(const QString &tag)
{
    static const QHash<QString, int> table {
        { "FREE_TEXT_BEFORE_FOR_ZYN", 0 },
        { "FREE_TEXT_AFTER_FOR_ZYN", 0 },
        { "BUILD_JVMPI", 0 },
        { "JVMPI_HEAP", 1 },
        { "JVMPI_IO", 1 },
        { "JVMPI_ERROR", 1 },
        { "JVMPI_STRING", 1 },
        { "JVMPI_DATE_IN_MILLISEC", 1 },
        { "JVMPI_SOCKET", 1 },
    };
    return lookUp(table, tag);
}

} // namespace Zyn

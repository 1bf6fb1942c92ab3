#include "docgen.h"

#include <random>

namespace {

// Words the comments and values are made of.
const char *const Words[]
    = { "runtime", "target",  "trace",  "buffer", "compiler", "linker", "thread",  "signal",
        "heap",    "clock",   "file",   "test",   "output",   "value",  "default", "macro",
        "section", "library", "driver", "flag",   "option",   "path",   "symbol",  "stack" };

class Generator
{
public:
    explicit Generator(unsigned seed)
        : m_random(seed)
    { }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    QByteArray words(int count)
    {
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            if (i)
                text += ' ';
            text += Words[pick(0, int(std::size(Words)) - 1)];
        }
        return text;
    }

    QByteArray sentence() { return words(pick(6, 18)) + '.'; }

    // C code of about `bytes` bytes, as a function body; CDATA-safe.
    QByteArray cBody(qint64 bytes)
    {
        QByteArray body;
        body.reserve(bytes + 128);
        int n = 0;
        while (body.size() < bytes) {
            switch (pick(0, 5)) {
            case 0:
                body += "    if (zyn_" + words(1) + "_" + QByteArray::number(n)
                    + " < ZYN_MAX_LINE && buffer[" + QByteArray::number(n % 64) + "] != '\\0') {\n"
                    + "        zyn_priv_writeln(\"" + words(3) + "\");\n    }\n";
                break;
            case 1:
                body += "    /* " + sentence() + " */\n";
                break;
            case 2:
                body += "    total += zyn_" + words(1) + "(&state, " + QByteArray::number(n)
                    + ", \"" + words(2) + "\") & 0x" + QByteArray::number(n % 4096, 16) + ";\n";
                break;
            case 3:
                body += "#ifdef ZYN_" + words(1).toUpper() + "_SUPPORT\n    zyn_" + words(1)
                    + "_init(" + QByteArray::number(n) + ");\n#endif\n";
                break;
            default:
                body += "    for (i = 0; i < " + QByteArray::number(n % 97 + 1)
                    + "; ++i)\n        table[i] = (ZYN_UINT64)i << " + QByteArray::number(n % 31)
                    + ";\n";
            }
            ++n;
        }
        return body;
    }

    QByteArray perlBody(qint64 bytes)
    {
        QByteArray body;
        body.reserve(bytes + 128);
        int n = 0;
        while (body.size() < bytes) {
            body += "    my $" + words(1) + QByteArray::number(n) + " = $ENV{ZYN_"
                + words(1).toUpper() + "} // '" + words(1) + "';\n";
            if (n % 3 == 0)
                body += "    return 0 unless zyn_system($ENV{CC} || 'gcc', '-c', $source, '-o', "
                        "$output);\n";
            ++n;
        }
        return body;
    }

    // Plain text of a carried file; holds characters that need escaping.
    QByteArray textContent(qint64 bytes)
    {
        QByteArray text;
        text.reserve(bytes + 128);
        int n = 0;
        while (text.size() < bytes) {
            switch (n % 4) {
            case 0:
                text += "# " + sentence() + "\n";
                break;
            case 1:
                text += "set " + words(1) + "_" + QByteArray::number(n) + " &lt;"
                    + words(2).replace(' ', '-') + "&gt; &amp;&amp; " + words(3) + "\n";
                break;
            case 2:
                text += "handle SIG" + words(1).toUpper() + " nostop noprint pass\n";
                break;
            default:
                text += "break zyn_" + words(1) + "_" + QByteArray::number(n) + " if count &gt; "
                    + QByteArray::number(n % 1000) + "\n";
            }
            ++n;
        }
        return text;
    }

    QByteArray base64Content(qint64 bytes)
    {
        QByteArray raw;
        raw.reserve(bytes * 3 / 4 + 3);
        while (raw.size() * 4 / 3 < bytes)
            raw += char(pick(0, 255));
        const QByteArray encoded = raw.toBase64();
        QByteArray lines;
        for (qsizetype i = 0; i < encoded.size(); i += 76)
            lines += encoded.mid(i, 76) + '\n';
        return lines;
    }

    QByteArray comment() { return "<COMMENT>" + sentence() + "</COMMENT>\n"; }

    QByteArray item()
    {
        const QByteArray name = "ZYN_" + words(1).toUpper() + "_" + QByteArray::number(m_serial++);
        switch (pick(0, 2)) {
        case 0:
            return "<ITEM>\n<TEXT_MACRO Name=\"" + name + "\" Doc=\"" + name + "\">\n" + comment()
                + "<VALUE>" + QByteArray::number(pick(1, 65536))
                + "</VALUE>\n</TEXT_MACRO>\n</ITEM>\n";
        case 1:
            return "<ITEM>\n<BINARY_MACRO Name=\"" + name + "\" Doc=\"" + name + "\" Value=\""
                + QByteArray::number(pick(0, 1)) + "\">\n" + comment()
                + "</BINARY_MACRO>\n</ITEM>\n";
        default:
            return "<ITEM>\n<OPTIONAL_MACRO Name=\"" + name + "\" Doc=\"" + name + "\" Defined=\""
                + QByteArray::number(pick(0, 1)) + "\" Value=\"" + words(1) + "\">\n" + comment()
                + "</OPTIONAL_MACRO>\n</ITEM>\n";
        }
    }

    QByteArray function(const QByteArray &tag, qint64 bodyBytes, bool withComment = false)
    {
        const QByteArray name = "zyn_" + words(1) + "_" + QByteArray::number(m_serial++);
        QByteArray text = "<" + tag + ">\n<PROTO>void " + name
            + "(void) {</PROTO>\n<VALUE><![CDATA[" + cBody(bodyBytes)
            + "]]></VALUE>\n<TAIL>}</TAIL>\n";
        if (withComment)
            text += comment();
        return text + "</" + tag + ">\n";
    }

    // A section of the given tag with items only.
    QByteArray itemSection(const QByteArray &tag)
    {
        QByteArray text
            = "<" + tag + " Label=\"" + words(2) + "\" Doc=\"" + tag + "\">\n" + comment();
        for (int i = pick(2, 6); i > 0; --i)
            text += item();
        return text + "</" + tag + ">\n";
    }

    QByteArray choiceSection(const QByteArray &tag)
    {
        QByteArray text = "<" + tag + " Label=\"" + words(2) + "\" Doc=\"" + tag + "\">\n";
        const int entries = pick(2, 4);
        text += "<CHOICE Name=\"" + words(2) + ":\" Value=\"entry 0\">\n";
        for (int i = 0; i < entries; ++i)
            text += "<CHOICEDATA Sensitive=\"" + QByteArray(i == entries - 1 ? "1" : "0")
                + "\">entry " + QByteArray::number(i) + "</CHOICEDATA>\n";
        for (int tab = pick(1, 3); tab > 0; --tab) {
            text += "<ONGLET Label=\"" + words(2) + "\">\n";
            if (pick(0, 1)) {
                text += function(pick(0, 1) ? "VALUEFCTC" : "VALUEFCTH", pick(100, 2000), true);
            } else {
                for (int i = pick(1, 3); i > 0; --i)
                    text += item();
            }
            text += "</ONGLET>\n";
        }
        text += "</CHOICE>\n" + comment();
        return text + "</" + tag + ">\n";
    }

    QByteArray functionSection(const QByteArray &tag, qint64 bodyBytes, const QByteArray &doc,
                               const QByteArray &label)
    {
        return "<" + tag + " Label=\"" + label + "\" Doc=\"" + doc + "\">\n" + comment()
            + function("VALUEFCT", bodyBytes) + "</" + tag + ">\n";
    }

    QByteArray freeTextSection(const QByteArray &tag, qint64 bytes)
    {
        return "<" + tag + " Label=\"" + words(3) + "\" Doc=\"" + tag + "\">\n" + comment()
            + "<VALUE><![CDATA[" + cBody(bytes) + "]]></VALUE>\n</" + tag + ">\n";
    }

    // A group section like COMPILER_SPECIFICS of the template: item, choice and function
    // sections and a sub-group.
    QByteArray groupSection()
    {
        static const char *const groups[] = { "COMPILER_SPECIFICS",
                                              "APPLICATION_SPECIFICS",
                                              "TESTING_SPECIFICS",
                                              "IO",
                                              "HEAP",
                                              "CLOCKING",
                                              "THREADING",
                                              "FUNCTIONS" };
        static const char *const items[]
            = { "PREPROCESSING_SPECIFICS", "LINKAGE", "CPP_SPECIFICS", "DATA_TYPES", "SPRINTF" };
        static const char *const choices[]
            = { "EXIT", "DATE", "INIT", "MEMCPY", "GENERAL_IO", "ERROR_IO", "GENERAL_HEAP" };
        static const char *const functions[]
            = { "PRIV_INIT", "PRIV_CLOCK", "PRIV_OPEN", "PRIV_WRITELN", "PRIV_CLOSE" };
        const QByteArray tag = groups[pick(0, 7)];
        QByteArray text = "<" + tag + " Label=\"" + words(2) + " " + QByteArray::number(m_serial++)
            + "\" Doc=\"" + tag + "\">\n" + comment();
        for (int i = pick(3, 6); i > 0; --i) {
            switch (pick(0, 3)) {
            case 0:
                text += itemSection(items[pick(0, 4)]);
                break;
            case 1:
                text += choiceSection(choices[pick(0, 6)]);
                break;
            case 2: {
                const QByteArray function = functions[pick(0, 4)];
                text += functionSection(function, pick(200, 16000), function, words(3));
                break;
            }
            default:
                text += "<SYSTEM_TESTING Label=\"" + words(2) + "\" Doc=\"SYSTEM_TESTING\">\n"
                    + comment() + choiceSection("GETHOSTNAME") + choiceSection("RDV")
                    + itemSection("INITSUPPORTED") + "</SYSTEM_TESTING>\n";
            }
        }
        return text + "</" + tag + ">\n";
    }

    QByteArray textFile(const QByteArray &name, qint64 bytes)
    {
        return "<NEWCMDFILE Name=\"" + name + "\" Doc=\"NEWCMDFILE\">\n" + comment() + "<VALUE>"
            + textContent(bytes) + "</VALUE>\n</NEWCMDFILE>\n";
    }

    QByteArray binaryFile(const QByteArray &name, qint64 bytes)
    {
        return "<NEWBINFILE Name=\"" + name + "\" Doc=\"NEWBINFILE\">\n" + comment()
            + "<BASE64 Size=\"" + QByteArray::number(bytes * 3 / 4) + "\" Encoding=\"base64\">\n"
            + base64Content(bytes) + "</BASE64>\n</NEWBINFILE>\n";
    }

    int serial() { return m_serial++; }

private:
    std::mt19937 m_random;
    int m_serial = 0;
};

const char IsGroup[] = R"(<IS Label="Basic Settings" Doc="IS">
<COMMENT>File extensions, default flags and tool names used by the build commands.</COMMENT>
<IS_C Label="C Language">
<KEYS>
<COMMENT>Settings applied to C sources.</COMMENT>
<SRCEXT Doc="SRCEXT" Label="Source Extensions">
<COMMENT>Extensions of C sources.</COMMENT>
<VALUE>.c</VALUE>
</SRCEXT>
<OBJEXT Doc="OBJEXT" Label="Object Extension">
<COMMENT>Extension of object files.</COMMENT>
<VALUE>.o</VALUE>
</OBJEXT>
<DEFAULT_CFLAGS Doc="DEFAULT_CFLAGS" Label="Compiler Flags">
<COMMENT>Options given to every C compilation.</COMMENT>
<VALUE>-g -O0 -std=gnu99 -Wall</VALUE>
</DEFAULT_CFLAGS>
<INIFIELD Doc="ISOTHERS">
<COMMENT>C compiler driver.</COMMENT>
<KEY>CC</KEY>
<VALUE>gcc</VALUE>
</INIFIELD>
</KEYS>
</IS_C>
</IS>
)";

const char ParserGroup[] = R"(<PARSERCONF Label="Parser Configuration" Doc="PARSERCONF">
<COMMENT>How the source parsers read the application's code.</COMMENT>
<PARSERS>
<PC_WEX>
<WEXCONF Label="Source Analysis Settings" Doc="PC_WEX">
<COMMENT>Options of the source analysis.</COMMENT>
<VALUE>-language=c++ -tab-width=8</VALUE>
</WEXCONF>
</PC_WEX>
<PC_EDG Label="C and C++ Parser" Doc="PC_EDG">
<COMMENT>Front end options.</COMMENT>
<PCOPP Label="C++ Options" Doc="PCOPP">
<COMMENT>Options for C++ sources.</COMMENT>
<VALUE>--c++17</VALUE>
</PCOPP>
</PC_EDG>
</PARSERS>
</PARSERCONF>
)";

} // namespace

GeneratedDocument generateDocument(qint64 targetBytes, unsigned seed)
{
    Generator gen(seed);
    GeneratedDocument result;

    // A fifth of the bytes in large fragments: a code section and a carried text file at a time.
    const qint64 big = targetBytes >= 10'000'000 ? 1 << 20 : targetBytes / 10;
    const int bigPairs = int(qMax<qint64>(1, targetBytes / 10'000'000));
    result.bigFragmentBytes = big;

    QByteArray build = "<BUILD Label=\"Build Commands\" Doc=\"BUILD\">\n" + gen.comment();
    QByteArray libConf;
    static const char *const steps[]
        = { "PREPROCESSING", "COMPILATION", "LINK", "EXECUTE", "EXECUTEDBG", "ZYNPERLFUNC" };
    for (const char *step : steps) {
        build += QByteArray("<") + step + " Label=\"" + gen.words(2) + "\" Doc=\"" + step + "\">\n"
            + gen.comment() + "<VALUEFCTPERL>\n<PROTO>sub zyn_" + QByteArray(step).toLower()
            + "(@) {</PROTO>\n<VALUE><![CDATA[" + gen.perlBody(gen.pick(300, 3000))
            + "]]></VALUE>\n<TAIL>}</TAIL>\n</VALUEFCTPERL>\n</" + step + ">\n";
    }
    for (int i = 0; i < bigPairs; ++i) {
        const QByteArray name = "big_" + QByteArray::number(i) + ".gdb";
        const QByteArray doc = "BIG_FUNCTION_" + QByteArray::number(i);
        if (i == 0) {
            result.bigTextFileName = QString::fromLatin1(name);
            result.bigFunctionDoc = QString::fromLatin1(doc);
        }
        build += gen.textFile(name, big);
        libConf += "<FUNCTIONS Label=\"Large Functions " + QByteArray::number(i)
            + "\" Doc=\"FUNCTIONS\">\n" + gen.comment()
            + gen.functionSection("PRIV_INIT", big, doc, "Large Function " + QByteArray::number(i))
            + "</FUNCTIONS>\n";
        result.carriedFiles += 1;
        result.sections += 1;
    }

    // Of the other bytes, carried files take 30 %, library sections the rest.
    const qint64 head = sizeof(IsGroup) + sizeof(ParserGroup) + 1024;
    const qint64 rest = targetBytes - head - 2 * big * bigPairs;
    while (build.size() < rest * 3 / 10 + big * bigPairs) {
        const QByteArray name = "file_" + QByteArray::number(gen.serial());
        if (gen.pick(0, 9) == 0)
            build += gen.binaryFile(name + ".bin", gen.pick(2000, 32000));
        else
            build += gen.textFile(name + ".cmd", gen.pick(2000, 64000));
        ++result.carriedFiles;
    }
    build += "</BUILD>\n";

    const qint64 libConfBudget = targetBytes - head - build.size();
    static const char *const topItems[] = { "RESTRICTIONS", "CONSTANTS", "COMPONENTTESTING" };
    static const char *const topChoices[] = { "CLOCK", "THREADS", "FILTERS" };
    static const char *const freeTexts[]
        = { "FREE_TEXT_BEFORE_FOR_INSTR", "FREE_TEXT_BEFORE_FOR_ZYN",
            "FREE_TEXT_BEFORE_FOR_INSTR_AND_GEN", "FREE_TEXT_AFTER_FOR_ZYN" };
    while (libConf.size() < libConfBudget) {
        switch (gen.pick(0, 9)) {
        case 0:
            libConf += gen.freeTextSection(freeTexts[gen.pick(0, 3)], gen.pick(100, 8000));
            break;
        case 1:
            libConf += gen.itemSection(topItems[gen.pick(0, 2)]);
            break;
        case 2:
            libConf += gen.choiceSection(topChoices[gen.pick(0, 2)]);
            break;
        default:
            libConf += gen.groupSection();
        }
        ++result.sections;
    }

    QByteArray &out = result.bytes;
    out.reserve(targetBytes + (1 << 20));
    out += "<!DOCTYPE ZYN SYSTEM \"zyn.dtd\">\n<ZYN Name=\"Bench " + QByteArray::number(targetBytes)
        + "\" type=\"CCPP\" Version=\"V2009\" read_only=\"no\" Label=\"Target Deployment Port\" "
          "Doc=\"ZYN\">\n"
        + gen.comment() + IsGroup + build
        + "<LIBCONF Label=\"Runtime Library Configuration\" Doc=\"LIBCONF\">\n" + gen.comment()
        + "<LIBCONFC>\n" + libConf + "</LIBCONFC>\n</LIBCONF>\n" + ParserGroup + "</ZYN>\n";
    return result;
}

#include "panes/qasyntaxrules.h"

#include "document/zynformat.h"

#include <QDomElement>
#include <QFileInfo>

namespace {

QSet<QString> words(const char *list)
{
    const QStringList split = QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
    return QSet<QString>(split.begin(), split.end());
}

// What each language states first: its keywords, its line-comment mark and its quotes.
QASyntaxRules rulesFor(QACodeLanguage language, const char *keywords, const char *lineComment,
                       const char *quotes)
{
    QASyntaxRules rules;
    rules.language = language;
    rules.keywords = words(keywords);
    rules.lineComments = { QString::fromLatin1(lineComment) };
    rules.stringQuotes = QString::fromLatin1(quotes);
    return rules;
}

QASyntaxRules cRules()
{
    QASyntaxRules rules = rulesFor(
        QACodeLanguage::Cpp,
        "auto break case char const continue default do double else enum extern float for goto "
        "if inline int long register restrict return short signed sizeof static struct switch "
        "typedef union unsigned void volatile while bool true false class namespace template "
        "typename public private protected virtual new delete this try catch throw using "
        "nullptr operator friend explicit constexpr override final noexcept mutable static_cast "
        "dynamic_cast reinterpret_cast const_cast NULL",
        "//", "\"'");
    rules.blockCommentStart = QStringLiteral("/*");
    rules.blockCommentEnd = QStringLiteral("*/");
    rules.preprocessorLines = true;
    return rules;
}

QASyntaxRules javaRules()
{
    QASyntaxRules rules = cRules();
    rules.language = QACodeLanguage::Java;
    rules.preprocessorLines = false;
    rules.keywords = words(
        "abstract assert boolean break byte case catch char class const continue default do "
        "double else enum extends final finally float for goto if implements import instanceof "
        "int interface long native new package private protected public return short static "
        "strictfp super switch synchronized this throw throws transient try void volatile while "
        "true false null var");
    return rules;
}

QASyntaxRules adaRules()
{
    QASyntaxRules rules = rulesFor(
        QACodeLanguage::Ada,
        "abort abs abstract accept access aliased all and array at begin body case constant "
        "declare delay delta digits do else elsif end entry exception exit for function generic "
        "goto if in interface is limited loop mod new not null of or others out overriding "
        "package pragma private procedure protected raise range record rem renames requeue "
        "return reverse select separate subtype synchronized tagged task terminate then type "
        "until use when while with xor",
        "--", "\"'");
    rules.keywordsIgnoreCase = true;
    rules.backslashEscapes = false;
    rules.apostropheOnlyInCharLiterals = true;
    return rules;
}

QASyntaxRules perlRules()
{
    QASyntaxRules rules = rulesFor(
        QACodeLanguage::Perl,
        "my our local sub if elsif else unless while until for foreach do last next redo return "
        "use no require package and or not xor eq ne lt gt le ge cmp die warn print printf "
        "sprintf open close defined undef exists delete push pop shift unshift split join keys "
        "values each scalar wantarray chomp system exec exit eval ref bless qw qq BEGIN END",
        "#", "\"'`");
    rules.podBlocks = true;
    rules.multiLineStrings = true;
    rules.sigils = QStringLiteral("$@%");
    return rules;
}

} // namespace

const QASyntaxRules &QASyntaxRules::of(QACodeLanguage language)
{
    static const QASyntaxRules plain;
    static const QASyntaxRules c = cRules();
    static const QASyntaxRules java = javaRules();
    static const QASyntaxRules ada = adaRules();
    static const QASyntaxRules perl = perlRules();
    switch (language) {
    case QACodeLanguage::Perl:
        return perl;
    case QACodeLanguage::Cpp:
        return c;
    case QACodeLanguage::Ada:
        return ada;
    case QACodeLanguage::Java:
        return java;
    case QACodeLanguage::Plain:
        break;
    }
    return plain;
}

QACodeLanguage codeLanguageOfFileName(const QString &fileName)
{
    static const QHash<QString, QACodeLanguage> byExtension {
        { QStringLiteral("c"), QACodeLanguage::Cpp },
        { QStringLiteral("h"), QACodeLanguage::Cpp },
        { QStringLiteral("cpp"), QACodeLanguage::Cpp },
        { QStringLiteral("cc"), QACodeLanguage::Cpp },
        { QStringLiteral("cxx"), QACodeLanguage::Cpp },
        { QStringLiteral("hpp"), QACodeLanguage::Cpp },
        { QStringLiteral("hh"), QACodeLanguage::Cpp },
        { QStringLiteral("hxx"), QACodeLanguage::Cpp },
        { QStringLiteral("pl"), QACodeLanguage::Perl },
        { QStringLiteral("pm"), QACodeLanguage::Perl },
        { QStringLiteral("ads"), QACodeLanguage::Ada },
        { QStringLiteral("adb"), QACodeLanguage::Ada },
        { QStringLiteral("ada"), QACodeLanguage::Ada },
        { QStringLiteral("java"), QACodeLanguage::Java },
    };
    return byExtension.value(QFileInfo(fileName).suffix().toLower(), QACodeLanguage::Plain);
}

// Free texts take the language of the library variant they belong to; the JVMPI agent of a Java
// port is written in C, and the parsers' own Ada packages are Ada whatever the port.
static QACodeLanguage freeTextLanguage(const QDomElement &element)
{
    static const QStringList adaPackages { QStringLiteral("STANDARDA83"),
                                           QStringLiteral("STANDARDA95"),
                                           QStringLiteral("SYSTEMADA83"),
                                           QStringLiteral("SYSTEMADA95") };
    if (adaPackages.contains(element.tagName()))
        return QACodeLanguage::Ada;
    for (QDomElement up = element.parentNode().toElement(); !up.isNull();
         up = up.parentNode().toElement()) {
        const QString tag = up.tagName();
        if (tag == Zyn::Tag::CustomJvmpi || tag == Zyn::Tag::LibConfC)
            return QACodeLanguage::Cpp;
        if (tag == Zyn::Tag::LibConfA)
            return QACodeLanguage::Ada;
        if (tag == Zyn::Tag::LibConfJava)
            return QACodeLanguage::Java;
    }
    return QACodeLanguage::Plain;
}

QACodeLanguage codeLanguageOf(const QDomElement &textOwner)
{
    const QString tag = textOwner.tagName();
    if (tag == Zyn::Tag::ValueFctPerl)
        return QACodeLanguage::Perl;
    if (tag == Zyn::Tag::ValueFctAda)
        return QACodeLanguage::Ada;
    if (tag == Zyn::Tag::ValueFct || tag == Zyn::Tag::ValueFctC || tag == Zyn::Tag::ValueFctH)
        return QACodeLanguage::Cpp;
    if (tag == Zyn::Tag::NewCmdFile)
        return codeLanguageOfFileName(textOwner.attribute(Zyn::Attr::Name));
    return freeTextLanguage(textOwner);
}

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QDomElement;

// The languages that code fields highlight.
enum class QACodeLanguage { Plain, Perl, Cpp, Ada, Java };

// What the line scanner knows about one language. Plain data, so that the rules of every
// language can be checked without a window.
struct QASyntaxRules
{
    QACodeLanguage language = QACodeLanguage::Plain;
    QSet<QString> keywords; // lower case when keywords ignore case
    bool keywordsIgnoreCase = false;
    QStringList lineComments;
    QString blockCommentStart;
    QString blockCommentEnd;
    QString stringQuotes;
    bool backslashEscapes = true; // otherwise a doubled quote stands for one
    bool apostropheOnlyInCharLiterals = false; // Ada: X'First is an attribute, 'x' a character
    bool preprocessorLines = false; // a line whose first character is '#'
    bool podBlocks = false; // Perl documentation from "=word" to "=cut" at line starts
    bool multiLineStrings = false;
    QString sigils; // "$#array" is no comment

    static const QASyntaxRules &of(QACodeLanguage language);
};

// The language of the text that an element carries: a function element (VALUEFCT...) by its tag,
// a free-text element by the document part it belongs to, a carried file by its name.
QACodeLanguage codeLanguageOf(const QDomElement &textOwner);
// By a file name's extension; plain text when it names no language.
QACodeLanguage codeLanguageOfFileName(const QString &fileName);

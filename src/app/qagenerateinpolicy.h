#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

// Where a document may have its target generated. A document's generate_in is a suggestion: a
// relative value is taken from the document's own directory, and a directory this user has not
// approved (the default one, one chosen in "Generate ZYN In", one used before) is used only
// after the user said so. The answers are kept in the settings (the application's own store).
class QAGenerateInPolicy
{
    Q_DECLARE_TR_FUNCTIONS(QAGenerateInPolicy)

public:
    static constexpr char ApprovedKey[] = "/Corvin/zyneditor/approvedGenerateIn";
    static constexpr char RefusedKey[] = "/Corvin/zyneditor/refusedGenerateIn";

    // The absolute, clean directory a generate_in value names; empty for an empty value.
    static QString resolve(const QString &value, const QString &documentPath);

    static bool isApproved(const QString &directory);
    // Remembers a directory the user chose or accepted.
    static void approve(const QString &directory);

    // The directory to generate in for a document whose generate_in attribute is value (null when
    // absent): current when absent, the default when it names no existing directory, an approved
    // one as it is; otherwise the user is asked once, naming it, and the answer is remembered.
    static QString decide(QWidget *parent, const QString &caption, const QString &value,
                          const QString &documentPath, const QString &current,
                          const QString &defaultDirectory);

private:
    enum class Answer { UseIt, UseDefault, ChooseAnother };

    static QString ask(QWidget *parent, const QString &caption, const QString &directory,
                       const QString &defaultDirectory);
    static QStringList list(const char *key);
    static void add(const char *key, const QString &directory);
};

#pragma once

#include <QString>

#include <memory>
#include <vector>

class QDomElement;

// The targets that already exist in a generate-in directory, so that a save can warn about a
// second document for the same target. Knows files, not windows.
class QAZynTargets
{
public:
    // One existing target: the directory it was generated into and its label.
    struct QZynId
    {
        QString directoryName;
        QString targetName;
    };
    using Entries = std::vector<std::unique_ptr<QZynId>>;

    const Entries &entries() const { return m_entries; }
    const QZynId *current() const { return m_current; }
    void setCurrent(const QZynId *entry) { m_current = entry; }

    // Replaces the list with the "NAME=" lines of the .ini files one level below directory.
    void scan(const QString &directory);
    // The last entry that matches both names exactly, or null.
    const QZynId *find(const QString &directoryName, const QString &targetName) const;
    // False when another directory already holds a target of that name.
    bool isNameFree(const QString &directoryName, const QString &targetName) const;
    // Drops entry (and the current target when it is that one).
    void remove(const QZynId *entry);
    // The saved document's own entry: the current one goes, the new one becomes current.
    void replaceCurrent(const QString &directoryName, const QString &targetName);

    // "C++ " or "Ada " after the root's type, then its name.
    static QString label(const QDomElement &root);

private:
    void readIniFile(const QString &path, const QString &directoryName);

    Entries m_entries;
    const QZynId *m_current = nullptr;
};

#pragma once

#include <QString>

#include <map>
#include <memory>

class QAResGroup;
class QAResString;

// A node of a hierarchical resource file: dotted "key = value" lines, where every dotted prefix
// names a group ("url.home = ..." makes the group "url" holding the string "home").
class QARes
{
public:
    virtual ~QARes() = default;

    // The whole file as a group, or none when the file cannot be read.
    static std::unique_ptr<QARes> read(const QString &path, bool verbose = false);

    // The node at a key path below this one, or null.
    const QARes *search(const QString &key, QChar separator = QLatin1Char('.')) const;

    virtual const QAResGroup *toResGroup() const { return nullptr; }
    virtual const QAResString *toResString() const { return nullptr; }
};

class QAResGroup : public QARes
{
public:
    const QAResGroup *toResGroup() const override { return this; }
    const QARes *child(const QString &name) const;
    // Adds or replaces; answers the node stored under the name.
    QARes *insert(const QString &name, std::unique_ptr<QARes> node);
    QAResGroup *group(const QString &name);

private:
    std::map<QString, std::unique_ptr<QARes>> m_children;
};

class QAResString : public QARes
{
public:
    explicit QAResString(const QString &value)
        : m_value(value)
    { }
    const QAResString *toResString() const override { return this; }
    QString string() const { return m_value; }

private:
    QString m_value;
};

#include "sdk/qares.h"

#include "sdk/warning.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

const QARes *QAResGroup::child(const QString &name) const
{
    const auto it = m_children.find(name);
    return it == m_children.end() ? nullptr : it->second.get();
}

QARes *QAResGroup::insert(const QString &name, std::unique_ptr<QARes> node)
{
    auto &slot = m_children[name];
    slot = std::move(node);
    return slot.get();
}

QAResGroup *QAResGroup::group(const QString &name)
{
    auto it = m_children.find(name);
    if (it != m_children.end()) {
        if (auto *existing = dynamic_cast<QAResGroup *>(it->second.get()))
            return existing;
    }
    return static_cast<QAResGroup *>(insert(name, std::make_unique<QAResGroup>()));
}

const QARes *QARes::search(const QString &key, QChar separator) const
{
    const QARes *node = this;
    for (const QString &part : key.split(separator)) {
        const QAResGroup *group = node ? node->toResGroup() : nullptr;
        if (!group)
            return nullptr;
        node = group->child(part.trimmed());
    }
    return node;
}

std::unique_ptr<QARes> QARes::read(const QString &path, bool verbose)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (verbose)
            warning("QARes: cannot read %s", qPrintable(path));
        return nullptr;
    }
    auto root = std::make_unique<QAResGroup>();
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))
            || line.startsWith(QLatin1Char('!')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            if (verbose)
                warning("QARes: %s:%d: no key", qPrintable(path), lineNumber);
            continue;
        }
        const QStringList parts = line.left(eq).trimmed().split(QLatin1Char('.'));
        QAResGroup *group = root.get();
        for (int i = 0; i + 1 < parts.size(); ++i)
            group = group->group(parts.at(i).trimmed());
        group->insert(parts.last().trimmed(),
                      std::make_unique<QAResString>(line.mid(eq + 1).trimmed()));
    }
    return root;
}

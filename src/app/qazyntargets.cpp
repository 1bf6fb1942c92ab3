#include "app/qazyntargets.h"

#include "document/zynformat.h"
#include "sdk/warning.h"

#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

void QAZynTargets::scan(const QString &directory)
{
    // The entries go; so does any pointer into them.
    m_current = nullptr;
    m_entries.clear();

    const QDir dir(directory);
    if (!dir.exists()) {
        warning("%s directory doesn't exists", qPrintable(directory));
        return;
    }
    if (!QFileInfo(directory).isReadable()) {
        warning("This directory is not readable");
        return;
    }
    const QFileInfoList entries
        = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QDir target(entry.absoluteFilePath());
        const QFileInfoList iniFiles
            = target.entryInfoList({ QStringLiteral("*.ini") }, QDir::Files, QDir::Name);
        for (const QFileInfo &ini : iniFiles)
            readIniFile(ini.absoluteFilePath(), entry.fileName());
    }
}

void QAZynTargets::readIniFile(const QString &path, const QString &directoryName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        if (!line.contains(QLatin1String("NAME=")))
            continue;
        line.remove(QLatin1String("NAME="));
        line.remove(QLatin1Char('"'));
        m_entries.push_back(std::make_unique<QZynId>(QZynId { directoryName, line }));
    }
}

const QAZynTargets::QZynId *QAZynTargets::find(const QString &directoryName,
                                               const QString &targetName) const
{
    const auto found = std::find_if(m_entries.crbegin(), m_entries.crend(), [&](const auto &e) {
        return e->directoryName == directoryName && e->targetName == targetName;
    });
    return found == m_entries.crend() ? nullptr : found->get();
}

bool QAZynTargets::isNameFree(const QString &directoryName, const QString &targetName) const
{
    return std::none_of(m_entries.cbegin(), m_entries.cend(), [&](const auto &entry) {
        return entry->targetName == targetName && entry->directoryName != directoryName;
    });
}

void QAZynTargets::remove(const QZynId *entry)
{
    if (!entry)
        return;
    if (entry == m_current)
        m_current = nullptr;
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [entry](const auto &e) { return e.get() == entry; }),
                    m_entries.end());
}

void QAZynTargets::replaceCurrent(const QString &directoryName, const QString &targetName)
{
    remove(m_current);
    m_entries.push_back(std::make_unique<QZynId>(QZynId { directoryName, targetName }));
    m_current = m_entries.back().get();
}

QString QAZynTargets::label(const QDomElement &root)
{
    const bool cpp = root.attribute(Zyn::Attr::Type) == Zyn::Value::CppType;
    return (cpp ? QStringLiteral("C++ ") : QStringLiteral("Ada "))
        + root.attribute(Zyn::Attr::Name);
}

#include "sdk/qaattributeorderrecorder.h"

void QAAttributeOrderRecorder::record(int line, int column,
                                      const std::vector<std::string_view> &names)
{
    if (!m_order || names.size() < 2 || isSortedAscii(names))
        return;
    std::string key;
    for (const std::string_view name : names) {
        key.append(name);
        key.push_back('\0');
    }
    auto it = m_shared.find(key);
    if (it == m_shared.end()) {
        QStringList list;
        list.reserve(qsizetype(names.size()));
        for (const std::string_view name : names)
            list.append(QString::fromUtf8(name.data(), qsizetype(name.size())));
        it = m_shared.emplace(std::move(key), list).first;
    }
    m_order->insert(qMakePair(line, column), it->second);
}

void QAAttributeOrderRecorder::record(int line, int column, const QXmlStreamAttributes &attributes)
{
    std::vector<QByteArray> storage;
    storage.reserve(size_t(attributes.size()));
    for (const QXmlStreamAttribute &attribute : attributes)
        storage.push_back(attribute.qualifiedName().toUtf8());
    std::vector<std::string_view> names;
    for (const QByteArray &name : storage)
        names.emplace_back(name.constData(), size_t(name.size()));
    record(line, column, names);
}

// Then the writer's order (QString comparison) is the byte order, and nothing need be kept.
bool QAAttributeOrderRecorder::isSortedAscii(const std::vector<std::string_view> &names)
{
    for (size_t i = 0; i < names.size(); ++i) {
        for (const char c : names[i]) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        }
        if (i > 0 && !(names[i - 1] < names[i]))
            return false;
    }
    return true;
}

#pragma once

#include "sdk/qaxmleditor.h"

#include <QXmlStreamAttributes>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Shares one list among the elements that name the same attributes in the same order (most
// elements of a document do), and keeps no list where the writer's default, names sorted, is
// already the order read: a large document keeps little besides its DOM.
class QAAttributeOrderRecorder
{
public:
    explicit QAAttributeOrderRecorder(QAAttributeOrder *order)
        : m_order(order)
    { }

    bool wanted() const { return m_order != nullptr; }

    // names: the raw names of one start tag, in the order written.
    void record(int line, int column, const std::vector<std::string_view> &names);
    void record(int line, int column, const QXmlStreamAttributes &attributes);

private:
    static bool isSortedAscii(const std::vector<std::string_view> &names);

    QAAttributeOrder *m_order;
    std::unordered_map<std::string, QStringList> m_shared;
};

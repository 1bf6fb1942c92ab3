#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Decides, before any parser expands an entity, whether a document's named entity references are
// safe to read: all of them together add at most the shared expansion limit, none reads an
// external entity, and none that the DOM would silently lose (an undeclared one in an attribute
// value or inside another entity) stands anywhere. An undeclared reference in text is kept by the
// DOM as written and passes. Linear in the document; a document without named references costs
// one search for '&'.
class QAXmlEntityCheck
{
public:
    // True when data may be parsed; otherwise errorText says why ("line: message").
    static bool check(const QByteArray &data, QString *errorText);

private:
    struct Entity
    {
        QString value;
        bool external = false;
    };

    explicit QAXmlEntityCheck(const QByteArray &data)
        : m_data(data)
    { }

    bool run();
    bool readDeclarations();
    qsizetype bodyStart() const;
    bool startsAt(qsizetype at, const char *text) const;
    qsizetype skipPast(qsizetype from, const char *needle) const;
    qsizetype reference(qsizetype at, bool inAttribute);
    bool refer(const QString &name, bool inAttribute, qsizetype at);
    long long expansion(const QString &name, int depth, qsizetype at);
    void fail(qsizetype at, const QString &message);

    const QByteArray &m_data;
    QHash<QString, Entity> m_entities;
    QHash<QString, long long> m_expansions;
    long long m_total = 0;
    QString m_error;
    bool m_failed = false;
};

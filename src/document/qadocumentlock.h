#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells a second editor that a document is open elsewhere. The lock lives in the per-user
// runtime directory, named after the document's canonical path, so that no file appears beside
// the user's documents; a lock whose process has ended counts as free.
class QADocumentLock
{
public:
    enum class Result { Acquired, HeldElsewhere, Unavailable };

    QADocumentLock();
    ~QADocumentLock();
    QADocumentLock(const QADocumentLock &) = delete;
    QADocumentLock &operator=(const QADocumentLock &) = delete;

    // Releases any lock held, then tries to lock documentPath.
    Result acquire(const QString &documentPath);
    void release();
    bool isHeld() const;
    // Whether this holds the lock of documentPath.
    bool holds(const QString &documentPath) const;
    // Takes over the lock other holds, releasing this one's.
    void adopt(QADocumentLock &other);
    // Who holds the lock that acquire() found taken: "process 123 on host", or empty.
    QString holder() const { return m_holder; }

    static QString lockPathFor(const QString &documentPath);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_lockPath;
    QString m_holder;
};

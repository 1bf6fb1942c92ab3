#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTimer;

// The recovery copies of unsaved work, one per document, in the per-user data directory, named
// after the document's absolute path. The store never touches the document itself. It also
// tells when a copy is due: after a pause in the changes, and at the latest some time after the
// first change that no copy holds yet.
class QARecoveryStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultIdleDelay = 2000;
    static constexpr int DefaultLongestDelay = 30000;

    explicit QARecoveryStore(QObject *parent = nullptr);

    void setDelays(int idleMilliseconds, int longestMilliseconds);

    static QString directory();
    static QString recoveryPathFor(const QString &documentPath);
    // Writes the copy atomically; answers whether it was written.
    static bool write(const QString &documentPath, const QByteArray &bytes);
    static QByteArray read(const QString &documentPath);
    static void remove(const QString &documentPath);
    // Whether a copy exists that is newer than the document and holds something else (or the
    // document is gone).
    static bool hasRecoveryFor(const QString &documentPath);

public Q_SLOTS:
    // Something changed: a copy becomes due after the next pause.
    void noteChange();
    // No copy is due any more (saved, discarded, closed).
    void cancel();

Q_SIGNALS:
    void due();

private:
    void fire();

    QTimer *m_idle = nullptr;
    QTimer *m_longest = nullptr;
};

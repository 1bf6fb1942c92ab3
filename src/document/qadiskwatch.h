#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <future>

class QFileSystemWatcher;
class QTimer;

// What the editor knows of its document's file as it was loaded or last saved, and a watch that
// tells when the file on disk no longer holds that.
class QADiskWatch : public QObject
{
    Q_OBJECT

public:
    // A file as found on disk. Two fingerprints with the same content count as the same file
    // whatever their times (a "touch" is no change).
    struct Fingerprint
    {
        bool exists = false;
        QDateTime modified;
        qint64 size = -1;
        // The content's hash. For the file as the editor holds it, it is worked out on a second
        // thread: opening and saving large documents do not wait for it, and the time and size
        // settle most comparisons without it.
        std::shared_future<QByteArray> hash;

        static Fingerprint of(const QString &path);
        static Fingerprint ofInBackground(const QString &path);
        bool sameContent(const Fingerprint &other) const;
    };

    explicit QADiskWatch(QObject *parent = nullptr);

    // Watches path and remembers the file as it is now.
    void watch(const QString &path);
    // The file as it is now is what the editor holds (after a load or one of its own saves).
    void remember();
    void stop();

    QString path() const { return m_path; }
    const Fingerprint &known() const { return m_known; }
    // Whether the file on disk differs from what was remembered (deleted counts).
    bool differsOnDisk() const;
    bool isGone() const;

    // The last report went unanswered: the next check reports the same state again.
    void forgetReport() { m_hasReported = false; }

public Q_SLOTS:
    // Emits changedOnDisk() when the disk differs and that state was not reported yet.
    void check();

Q_SIGNALS:
    void changedOnDisk();

private:
    Fingerprint current() const;
    void rearm();

    QFileSystemWatcher *m_watcher = nullptr;
    // Writers change a file in several steps: the check waits until they settle.
    QTimer *m_settle = nullptr;
    QString m_path;
    Fingerprint m_known;
    Fingerprint m_reported;
    bool m_hasReported = false;
};

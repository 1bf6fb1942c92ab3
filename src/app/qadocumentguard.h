#pragma once

#include "document/qadiskwatch.h"
#include "document/qadocumentlock.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QARecoveryStore;
class QAZynDocumentSession;
class QWidget;

// Keeps the open document's file safe while it is shared with the rest of the system: locks it
// against a second editor, notices changes made on disk by others, asks before a save
// overwrites them, and keeps a recovery copy of unsaved work. The document session tells it
// what happens to the document.
class QADocumentGuard : public QObject
{
    Q_OBJECT

public:
    // window is the parent of the questions; the guard also watches its activation.
    QADocumentGuard(QAZynDocumentSession *session, QWidget *window);

    QARecoveryStore *recoveryStore() const { return m_recovery; }
    QString documentPath() const { return m_path; }

    // Before opening path as the document documentPath: asks whether to open a file that another
    // editor has open, and offers a recovery copy of unsaved work (restoring it when asked).
    // The open document's unsaved changes are given up. Answers whether the caller reads path.
    bool beforeOpen(const QString &path, const QString &documentPath, bool asNew);
    // The document at path is now open as it is on disk (watched and locked unless watched is
    // false, as for a new document that has no file yet).
    void opened(const QString &path, bool watched);
    // The read that beforeOpen allowed was refused: the lock taken for it goes.
    void openFailed();
    // Before a save writes path: asks when the file changed on disk since it was read or saved.
    // Answers whether to write; a save under another name the user chose has happened then.
    bool mayOverwrite(const QString &path);
    // The document was written to path (a new name after a save-as).
    void saved(const QString &path);
    // The user gave up the unsaved changes.
    void discarded();
    // The window closes (the user saved or gave up any changes): the lock and the recovery copy
    // go, unless the copy was left for later and never touched.
    void closed();

public Q_SLOTS:
    // The document changed: a recovery copy becomes due.
    void noteChange();
    // Compares the disk with what was read or saved, and reacts to a difference.
    void checkDisk();

Q_SIGNALS:
    void statusMsg(const QString &text, int milliseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mayOpen(const QString &path, bool *openElsewhere);
    bool offerRecovery(const QString &path);
    void restore(const QString &documentPath);
    void reload();
    void onDiskChanged();
    int askAboutDiskChange(bool gone);
    bool isModified() const;
    void writeRecovery();
    void forgetRecovery(const QString &path);
    static QString normalized(const QString &path);

    QAZynDocumentSession *m_session;
    QWidget *m_window;
    QADiskWatch m_watch;
    QADocumentLock m_lock;
    // Taken when asking whether another editor has the file, kept by the open that follows.
    QADocumentLock m_openingLock;
    QARecoveryStore *m_recovery;
    QString m_path;
    // The recovery copy this session wrote last, to skip writing the same bytes twice.
    QByteArray m_recoveryWritten;
    bool m_asking = false;
};

#pragma once

#include <QDomElement>
#include <QObject>
#include <QString>

#include <memory>

class QAScriptRunner;
class QAZynWaitDlg;
class QTemporaryDir;

// Encodes one binary file with the installation's encoder script. The script writes into a
// private temporary folder, never over a file of the user's; a wait dialog shows meanwhile. The
// end is reported as the encoded element or as a failure text.
class QABinaryEncoder : public QObject
{
    Q_OBJECT

public:
    explicit QABinaryEncoder(const QString &programPath, QObject *parent = nullptr);
    ~QABinaryEncoder() override;

    bool isRunning() const { return m_encoderProcess != nullptr; }
    // Starts encoding file; false when the run could not start (failed() has been emitted).
    bool start(const QString &file);
    // Stops a run in progress; the add ends as aborted.
    void cancel();

Q_SIGNALS:
    // The encoded content, in a document of its own.
    void encoded(const QDomElement &content);
    // Why nothing was encoded, to be shown in a box with caption; an empty text needs no box.
    void failed(const QString &caption, const QString &text);
    void statusMsg(const QString &text, int milliseconds);

protected Q_SLOTS:
    // One line of the encoder's error output.
    void getStd(const QString &line);
    void encodingTerminated(int exitCode, bool crashed);

private:
    bool prepareFolder();
    QDomElement readEncodedFile(QString *caption, QString *error) const;
    void end();
    void fail(const QString &caption, const QString &text, const QString &status);

    QString m_programPath;
    QString m_stderrText;
    QAScriptRunner *m_encoderProcess = nullptr;
    std::unique_ptr<QAZynWaitDlg> m_waitDialog;
    std::unique_ptr<QTemporaryDir> m_encodeDir;
    QString m_encodedFile;
};

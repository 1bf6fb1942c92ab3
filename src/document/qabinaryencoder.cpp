#include "document/qabinaryencoder.h"

#include "sdk/qainstall.h"
#include "services/productflavour.h"
#include "services/qascriptrunner.h"
#include "services/qazynwaitdlg.h"
#include "services/statusduration.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

QABinaryEncoder::QABinaryEncoder(const QString &programPath, QObject *parent)
    : QObject(parent)
    , m_programPath(programPath)
{ }

QABinaryEncoder::~QABinaryEncoder()
{
    // The runner ends while this object is torn down: it must not call back.
    if (m_encoderProcess)
        m_encoderProcess->disconnect(this);
}

bool QABinaryEncoder::prepareFolder()
{
    m_encodeDir = std::make_unique<QTemporaryDir>();
    if (m_encodeDir->isValid()) {
        m_encodedFile = m_encodeDir->filePath(QStringLiteral("encoded.xml"));
        return true;
    }
    const QString error = m_encodeDir->errorString();
    m_encodeDir.reset();
    fail(productCaption(),
         tr("Cannot create a temporary directory for the encoded file:\n%1").arg(error),
         tr("ERROR: adding binary file aborted."));
    return false;
}

bool QABinaryEncoder::start(const QString &file)
{
    if (isRunning() || !prepareFolder())
        return false;
    m_stderrText.clear();

    Q_EMIT statusMsg(tr("Adding binary file..."), StatusDuration::Working);
    m_waitDialog = std::make_unique<QAZynWaitDlg>(
        tr("Please, wait while adding the binary file..."), productCaption(), false, nullptr,
        QStringLiteral("wait dialog when adding binary file"));
    m_waitDialog->show();

    const QString script = QAInstall::scriptPath(m_programPath, QStringLiteral("encode64.pl"));
    m_encoderProcess = new QAScriptRunner(m_programPath, script, { file, m_encodedFile }, this);
    connect(m_encoderProcess, &QAScriptRunner::standardErrorLine, this, &QABinaryEncoder::getStd);
    connect(m_encoderProcess, &QAScriptRunner::finished, this,
            &QABinaryEncoder::encodingTerminated);
    if (m_encoderProcess->start())
        return true;

    const QStringList perl = QAInstall::perlCommand(m_programPath);
    fail(productCaption(),
         perl.value(0) + perl.value(1) + script + file + QLatin1Char('\n')
             + tr("Unable to run command"),
         tr("ERROR: adding binary file aborted."));
    return false;
}

void QABinaryEncoder::cancel()
{
    if (!m_encoderProcess)
        return;
    // Its end is reported here, as aborted, not as a crash.
    m_encoderProcess->disconnect(this);
    m_encoderProcess->kill();
    m_encoderProcess->waitForFinished(5000);
    fail(QString(), QString(), tr("ERROR: adding binary file aborted."));
}

void QABinaryEncoder::getStd(const QString &line)
{
    // Only the last line is shown; a trailing blank line would hide it.
    if (!line.trimmed().isEmpty())
        m_stderrText = line + QLatin1Char('\n');
}

void QABinaryEncoder::encodingTerminated(int exitCode, bool crashed)
{
    if (!m_encoderProcess)
        return;
    const QString failure = tr("ERROR during adding binary file.");
    if (crashed) {
        // A crashed encoder leaves no error text worth a box; the add just ends.
        fail(QString(), QString(), failure);
        return;
    }
    if (exitCode != 0) {
        fail(productCaption(),
             m_stderrText.isEmpty()
                 ? tr("The encoding script failed with exit status %1.").arg(exitCode)
                 : m_stderrText,
             failure);
        return;
    }
    QString boxCaption;
    QString error;
    const QDomElement content = readEncodedFile(&boxCaption, &error);
    if (content.isNull()) {
        fail(boxCaption, error, failure);
        return;
    }
    end();
    Q_EMIT encoded(content);
}

QDomElement QABinaryEncoder::readEncodedFile(QString *boxCaption, QString *error) const
{
    *boxCaption = tr("Critical Error");
    QFile file(m_encodedFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Cannot open file %1").arg(m_encodedFile);
        return QDomElement();
    }
    QDomDocument encoded;
    QString parseError;
    int line = 0;
    int column = 0;
    if (!encoded.setContent(&file, &parseError, &line, &column)) {
        *error = tr("Parsing error for file %1").arg(m_encodedFile)
            + QStringLiteral("\n(%1:%2)").arg(line).arg(column) + parseError + QLatin1Char(')');
        return QDomElement();
    }
    return encoded.documentElement();
}

// Whatever the outcome, the dialog, the runner and the folder with the encoded file go.
void QABinaryEncoder::end()
{
    m_waitDialog.reset();
    if (QAScriptRunner *encoder = std::exchange(m_encoderProcess, nullptr)) {
        encoder->disconnect(this);
        // Its own signal may be on the stack.
        encoder->deleteLater();
    }
    m_encodeDir.reset();
    m_encodedFile.clear();
}

void QABinaryEncoder::fail(const QString &boxCaption, const QString &text, const QString &status)
{
    end();
    Q_EMIT failed(boxCaption, text);
    Q_EMIT statusMsg(status, StatusDuration::Result);
}

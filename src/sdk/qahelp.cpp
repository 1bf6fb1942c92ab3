#include "sdk/qahelp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QAHelp::QAHelp() = default;

QString QAHelp::getDefaultCommand() const
{
    for (const char *candidate : { "xdg-open", "x-www-browser", "firefox" }) {
        if (!QStandardPaths::findExecutable(QLatin1String(candidate)).isEmpty())
            return QLatin1String(candidate);
    }
    return QStringLiteral("xdg-open");
}

QString QAHelp::getDefaultHelpURL() const
{
    return QStringLiteral("http://127.0.0.1:8089/help/index.jsp");
}

QString QAHelp::getDefaultClassPath() const
{
    return QString();
}

bool QAHelp::getDefaultStartLocalServer() const
{
    return false;
}

QUrl QAHelp::helpPage(const QString &guide, const QString &topic) const
{
    const QDir dir(m_docDir);
    QString page = dir.filePath(QStringLiteral("zyneditor/index.html"));
    if (!guide.isEmpty() && QFileInfo(dir.filePath(guide + QStringLiteral("/index.html"))).isFile())
        page = dir.filePath(guide + QStringLiteral("/index.html"));
    if (!QFileInfo(page).isFile())
        page = dir.filePath(QStringLiteral("index.html"));
    QUrl url = QUrl::fromLocalFile(page);
    if (!topic.isEmpty())
        url.setFragment(topic);
    return url;
}

bool QAHelp::showHelp(const QString &guide, const QString &topic)
{
    return open(helpPage(guide, topic));
}

bool QAHelp::switchToOrmetWeb(const QUrl &url)
{
    if (url.isEmpty())
        return false;
    return open(url);
}

bool QAHelp::open(const QUrl &url)
{
    const QString url8
        = url.isLocalFile() && url.fragment().isEmpty() ? url.toLocalFile() : url.toString();
    if (!m_command.trimmed().isEmpty()) {
        QStringList words = QProcess::splitCommand(m_command);
        if (words.isEmpty())
            return false;
        const QString program = words.takeFirst();
        words << url8;
        return QProcess::startDetached(program, words);
    }
    return QDesktopServices::openUrl(url);
}

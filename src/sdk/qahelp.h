#pragma once

#include <QString>
#include <QUrl>

// Opens the user guide and web pages, with the configured browser command or, when none is set,
// the desktop's default handler.
class QAHelp
{
public:
    QAHelp();

    QString getCommand() const { return m_command; }
    QString getDefaultCommand() const;
    void setCommand(const QString &command) { m_command = command; }

    QString getHelpURL() const { return m_helpUrl; }
    QString getDefaultHelpURL() const;
    void setHelpURL(const QString &url) { m_helpUrl = url; }

    QString getClassPath() const { return m_classPath; }
    QString getDefaultClassPath() const;
    void setClassPath(const QString &classPath) { m_classPath = classPath; }

    bool getStartLocalServer() const { return m_startLocalServer; }
    bool getDefaultStartLocalServer() const;
    void setStartLocalServer(bool on) { m_startLocalServer = on; }

    void setDocDir(const QString &directory) { m_docDir = directory; }

    // Opens the user guide (guide name, may be empty) at a topic. Answers whether a viewer started.
    bool showHelp(const QString &guide, const QString &topic);
    // Opens a web page. Answers whether a viewer started.
    bool switchToOrmetWeb(const QUrl &url);

    // The local page showHelp opens for a guide and topic.
    QUrl helpPage(const QString &guide, const QString &topic) const;

private:
    bool open(const QUrl &url);

    QString m_command;
    QString m_helpUrl;
    QString m_classPath;
    bool m_startLocalServer = false;
    QString m_docDir;
};

#include "dialogs/qazynsplashwindow.h"

#include "sdk/qainstall.h"
#include "services/productflavour.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <utility>

QAZynSplashWindow::QAZynSplashWindow(const QString &programPath, QWidget *parent,
                                     const QString &name)
    : QFrame(parent, Qt::Popup | Qt::Tool | Qt::CustomizeWindowHint | Qt::FramelessWindowHint)
{
    setObjectName(name);
    setFixedSize(Width, Height);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredPosition(screen->geometry()));

    // Without its picture the splash stays plain: nothing worth a message at start-up.
    const QString path = imagePath(programPath);
    if (QFileInfo(path).isFile()) {
        m_picturePath = path;
        setAutoFillBackground(true);
    }
}

void QAZynSplashWindow::paintEvent(QPaintEvent *event)
{
    if (!m_picturePath.isEmpty()) {
        m_picture.load(std::exchange(m_picturePath, QString()));
        if (!m_picture.isNull()) {
            QPalette background = palette();
            background.setBrush(QPalette::Window, m_picture);
            setPalette(background);
            // The background of this pass was filled before the picture was known.
            QPainter(this).drawPixmap(0, 0, m_picture);
        }
    }
    QFrame::paintEvent(event);
}

QPoint QAZynSplashWindow::centredPosition(const QRect &screen)
{
    return screen.topLeft() + QPoint((screen.width() - Width) / 2, (screen.height() - Height) / 2);
}

QString QAZynSplashWindow::imagePath(const QString &programPath)
{
    const QChar sep = QDir::separator();
    return QAInstall::installDir(programPath) + sep + QStringLiteral("lib") + sep
        + QStringLiteral("pixmap") + sep + splashImageName();
}

#include "dialogs/qazynsplashwindow.h"

#include "sdk/qainstall.h"
#include "services/productflavour.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QAZynSplashWindow::QAZynSplashWindow(const QString &programPath, QWidget *parent,
                                     const QString &name)
    : QFrame(parent, Qt::Popup | Qt::Tool | Qt::CustomizeWindowHint | Qt::FramelessWindowHint)
{
    setObjectName(name);
    setFixedSize(Width, Height);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredPosition(screen->geometry()));

    // Without its picture the splash stays plain: nothing worth a message at start-up.
    const QPixmap picture(imagePath(programPath));
    if (!picture.isNull()) {
        QPalette background = palette();
        background.setBrush(QPalette::Window, picture);
        setPalette(background);
        setAutoFillBackground(true);
    }
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

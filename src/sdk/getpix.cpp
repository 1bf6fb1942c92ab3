#include "sdk/getpix.h"

#include "sdk/qainstall.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

static QString stem(const QString &name)
{
    QString s = name;
    if (s.endsWith(QLatin1String("_xpm")))
        s.chop(4);
    return s;
}

QString builtinImage(const QString &name)
{
    return QStringLiteral(":/images/") + stem(name) + QStringLiteral(".png");
}

QString installedPicture(const QString &name)
{
    const QString installDir = QAInstall::installDir(QString());
    if (installDir.isEmpty())
        return QString();
    const QString path
        = installDir + QStringLiteral("/lib/pixmap/icons/") + stem(name) + QStringLiteral(".png");
    return QFileInfo(path).isFile() ? path : QString();
}

QImage readPicture(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QImage();
    // Told the format, the reader takes its own PNG decoder at once instead of loading every
    // image plugin to ask each whether it reads PNG.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        image.load(path);
    return image;
}

QPixmap GETPIX(const QString &name, const QString &fallbackResource)
{
    const QString path = installedPicture(name);
    if (!path.isEmpty()) {
        const QImage image = readPicture(path);
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    return QPixmap::fromImage(readPicture(fallbackResource));
}

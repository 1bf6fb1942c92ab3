#include "sdk/getpix.h"

#include "sdk/qainstall.h"

#include <QDir>
#include <QFileInfo>

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

QPixmap GETPIX(const QString &name, const QString &fallbackResource)
{
    const QString installDir = QAInstall::installDir(QString());
    if (!installDir.isEmpty()) {
        const QString path = installDir + QStringLiteral("/lib/pixmap/icons/") + stem(name)
            + QStringLiteral(".png");
        if (QFileInfo(path).isFile()) {
            QPixmap pixmap(path);
            if (!pixmap.isNull())
                return pixmap;
        }
    }
    return QPixmap(fallbackResource);
}

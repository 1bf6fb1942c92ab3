#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// An icon of the installation by name ("new_xpm" is lib/pixmap/icons/new.png), or the built-in
// fall-back resource when the installation has none.
QPixmap GETPIX(const QString &name, const QString &fallbackResource);

// The installation's picture for a name, or empty when it has none.
QString installedPicture(const QString &name);

// The picture in a file: a PNG, or failing that any format the toolkit reads.
QImage readPicture(const QString &path);

// The conventional fall-back for a name: ":/images/new.png" for "new_xpm".
QString builtinImage(const QString &name);

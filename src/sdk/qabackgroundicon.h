#pragma once

#include <QIcon>
#include <QString>

// An icon found as GETPIX finds it (the installation's picture, else the built-in one), decoded
// on a worker thread. The main window makes a score of icons while it is built and paints only
// some of them in its first frame: with these, it waits for a picture only when it first draws
// or measures it, by which time the picture is ready.
namespace QABackgroundIcon {

QIcon load(const QString &name, const QString &fallbackResource);

} // namespace QABackgroundIcon

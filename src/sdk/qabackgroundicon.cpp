#include "sdk/qabackgroundicon.h"

#include "sdk/getpix.h"
#include "sdk/qadeferrediconengine.h"
#include "services/backgroundpriority.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QThreadPool>

#include <chrono>
#include <future>
#include <memory>

namespace {

// Beyond this, a decoding that has not come (the thread pool could not start a thread) is done
// where it is needed instead: an icon never holds a paint up for good.
constexpr std::chrono::seconds DecodingWait { 2 };

QImage decode(const QString &path, const QString &fallbackResource)
{
    QImage decoded;
    if (!path.isEmpty())
        decoded = readPicture(path);
    if (decoded.isNull())
        decoded = readPicture(fallbackResource);
    return decoded;
}

} // namespace

QIcon QABackgroundIcon::load(const QString &name, const QString &fallbackResource)
{
    const QString path = installedPicture(name);
    auto promise = std::make_shared<std::promise<QImage>>();
    std::shared_future<QImage> image = promise->get_future().share();
    QThreadPool::globalInstance()->start([promise, path, fallbackResource] {
        lowerThreadPriority();
        promise->set_value(decode(path, fallbackResource));
    });
    // A pixmap belongs to the main thread: the icon is made there, from the decoded picture.
    const auto make = [image, path, fallbackResource] {
        const QImage decoded = image.wait_for(DecodingWait) == std::future_status::ready
            ? image.get()
            : decode(path, fallbackResource);
        return decoded.isNull() ? QIcon() : QIcon(QPixmap::fromImage(decoded));
    };
    // Whether there is a picture at all is known without decoding it.
    const bool exists = !path.isEmpty() || QFileInfo::exists(fallbackResource);
    return QIcon(new QADeferredIconEngine(make, !exists));
}

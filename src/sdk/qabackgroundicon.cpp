#include "sdk/qabackgroundicon.h"

#include "sdk/getpix.h"
#include "services/backgroundpriority.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <QThreadPool>

#include <chrono>
#include <future>
#include <memory>
#include <optional>

namespace {

// The decoded picture is shared by every copy of the icon; the icon made from it is built on
// the thread that first needs it (a pixmap belongs to the main thread).
struct Picture
{
    QString path; // the installation's, or empty
    QString fallbackResource;
    std::shared_future<QImage> image;
    std::optional<QIcon> icon;
    // Whether there is a picture to decode at all, known without decoding it: widgets ask
    // isNull() as soon as they are given an icon.
    bool exists = false;

    QImage decode() const
    {
        QImage decoded;
        if (!path.isEmpty())
            decoded = readPicture(path);
        if (decoded.isNull())
            decoded = readPicture(fallbackResource);
        return decoded;
    }
};

// Beyond this, a decoding that has not come (the thread pool could not start a thread) is done
// where it is needed instead: an icon never holds a paint up for good.
constexpr std::chrono::seconds DecodingWait { 2 };

class DecodedLaterEngine : public QIconEngine
{
public:
    explicit DecodedLaterEngine(std::shared_ptr<Picture> picture)
        : m_picture(std::move(picture))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return !m_picture->exists; }
    QString key() const override { return QStringLiteral("QABackgroundIcon"); }
    QIconEngine *clone() const override { return new DecodedLaterEngine(m_picture); }

private:
    const QIcon &icon()
    {
        if (!m_picture->icon) {
            const QImage image
                = m_picture->image.wait_for(DecodingWait) == std::future_status::ready
                ? m_picture->image.get()
                : m_picture->decode();
            m_picture->icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
        }
        return *m_picture->icon;
    }

    std::shared_ptr<Picture> m_picture;
};

} // namespace

QIcon QABackgroundIcon::load(const QString &name, const QString &fallbackResource)
{
    auto picture = std::make_shared<Picture>();
    picture->path = installedPicture(name);
    picture->fallbackResource = fallbackResource;
    picture->exists = !picture->path.isEmpty() || QFileInfo::exists(fallbackResource);
    auto promise = std::make_shared<std::promise<QImage>>();
    picture->image = promise->get_future().share();
    // The task keeps its own copy of the names: the icon may be gone before it runs.
    QThreadPool::globalInstance()->start(
        [promise, source = Picture { picture->path, picture->fallbackResource, {}, {}, false }] {
            lowerThreadPriority();
            promise->set_value(source.decode());
        });
    return QIcon(new DecodedLaterEngine(std::move(picture)));
}

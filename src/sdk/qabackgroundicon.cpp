#include "sdk/qabackgroundicon.h"

#include "sdk/getpix.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QThreadPool>

#include <future>
#include <memory>
#include <optional>

namespace {

// The decoded picture is shared by every copy of the icon; the icon made from it is built on
// the thread that first needs it (a pixmap belongs to the main thread).
struct Picture
{
    std::shared_future<QImage> image;
    std::optional<QIcon> icon;
    // Whether there is a picture to decode at all, known without decoding it: widgets ask
    // isNull() as soon as they are given an icon.
    bool exists = false;
};

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
            const QImage image = m_picture->image.get();
            m_picture->icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
        }
        return *m_picture->icon;
    }

    std::shared_ptr<Picture> m_picture;
};

} // namespace

QIcon QABackgroundIcon::load(const QString &name, const QString &fallbackResource)
{
    const QString path = installedPicture(name);
    auto promise = std::make_shared<std::promise<QImage>>();
    auto picture = std::make_shared<Picture>();
    picture->exists = !path.isEmpty() || QFileInfo::exists(fallbackResource);
    picture->image = promise->get_future().share();
    QThreadPool::globalInstance()->start([promise, path, fallbackResource] {
        QImage image;
        if (!path.isEmpty())
            image = readPicture(path);
        if (image.isNull())
            image = readPicture(fallbackResource);
        promise->set_value(std::move(image));
    });
    return QIcon(new DecodedLaterEngine(std::move(picture)));
}

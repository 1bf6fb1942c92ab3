#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <memory>
#include <optional>

// An icon made the first time it is drawn or measured, by a function given now; every question
// goes to it from then on. Copies of the icon share the one made. Whether the icon is null can be
// told in advance, so that widgets, which ask at once, do not make it early.
class QADeferredIconEngine : public QIconEngine
{
public:
    explicit QADeferredIconEngine(std::function<QIcon()> make,
                                  std::optional<bool> knownNull = std::nullopt);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    struct Shared
    {
        std::function<QIcon()> make;
        std::optional<bool> knownNull;
        std::optional<QIcon> icon;
    };

    explicit QADeferredIconEngine(std::shared_ptr<Shared> shared);
    const QIcon &icon();

    std::shared_ptr<Shared> m_shared;
};

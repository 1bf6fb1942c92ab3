#include "sdk/qadeferrediconengine.h"

#include <QPixmap>

QADeferredIconEngine::QADeferredIconEngine(std::function<QIcon()> make,
                                           std::optional<bool> knownNull)
    : m_shared(std::make_shared<Shared>(Shared { std::move(make), knownNull, std::nullopt }))
{ }

QADeferredIconEngine::QADeferredIconEngine(std::shared_ptr<Shared> shared)
    : m_shared(std::move(shared))
{ }

const QIcon &QADeferredIconEngine::icon()
{
    if (!m_shared->icon)
        m_shared->icon = m_shared->make();
    return *m_shared->icon;
}

void QADeferredIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                                 QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap QADeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap QADeferredIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                           qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QSize QADeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QList<QSize> QADeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

bool QADeferredIconEngine::isNull()
{
    return m_shared->knownNull ? *m_shared->knownNull : icon().isNull();
}

QString QADeferredIconEngine::key() const
{
    return QStringLiteral("QADeferredIconEngine");
}

QIconEngine *QADeferredIconEngine::clone() const
{
    return new QADeferredIconEngine(m_shared);
}

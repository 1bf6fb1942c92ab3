#include "app/qalazyiconstyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include <memory>
#include <optional>

namespace {

// Asks the wrapped style for the icon the first time it is drawn or measured. The icon is shared
// by every copy; the style may be gone by then (the application changed it), and then the
// application's style answers.
class LateStyleIconEngine : public QIconEngine
{
public:
    LateStyleIconEngine(const QProxyStyle *style, QStyle::StandardPixmap which,
                        Qt::LayoutDirection direction)
        : m_state(std::make_shared<State>(State { style, which, direction, std::nullopt }))
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
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("QALazyIconStyle"); }
    QIconEngine *clone() const override { return new LateStyleIconEngine(*this); }

private:
    struct State
    {
        QPointer<const QProxyStyle> style;
        QStyle::StandardPixmap which;
        Qt::LayoutDirection direction;
        std::optional<QIcon> icon;
    };

    const QIcon &icon()
    {
        if (!m_state->icon) {
            const QStyle *base
                = m_state->style ? m_state->style->baseStyle() : QApplication::style();
            QStyleOption option;
            option.direction = m_state->direction;
            m_state->icon = base->standardIcon(m_state->which, &option);
        }
        return *m_state->icon;
    }

    std::shared_ptr<State> m_state;
};

} // namespace

QALazyIconStyle::QALazyIconStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{ }

bool QALazyIconStyle::isReadLate(StandardPixmap icon)
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
        return true;
    default:
        return false;
    }
}

QIcon QALazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                    const QWidget *widget) const
{
    // Of the option, only the direction is kept for later (these icons point one way or the
    // other); the widget may be gone by then.
    if (isReadLate(icon))
        return QIcon(new LateStyleIconEngine(
            this, icon, option ? option->direction : QGuiApplication::layoutDirection()));
    return QProxyStyle::standardIcon(icon, option, widget);
}

#include "app/qalazyiconstyle.h"

#include "sdk/qadeferrediconengine.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The icons of parts that are rarely seen, read when first drawn.
bool isReadLate(QStyle::StandardPixmap icon)
{
    switch (icon) {
    case QStyle::SP_ToolBarHorizontalExtensionButton:
    case QStyle::SP_ToolBarVerticalExtensionButton:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
        return true;
    default:
        return false;
    }
}

} // namespace

QALazyIconStyle::QALazyIconStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{ }

QIcon QALazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                    const QWidget *widget) const
{
    // Of the option, only the direction is kept for later (these icons point one way or the
    // other); the widget may be gone by then, and so may this style, when the application has
    // changed it: the application's style answers then.
    if (isReadLate(icon)) {
        QStyleOption kept;
        kept.direction = option ? option->direction : QGuiApplication::layoutDirection();
        const auto make = [style = QPointer<const QProxyStyle>(this), icon, kept] {
            const QStyle *base = style ? style->baseStyle() : QApplication::style();
            return base->standardIcon(icon, &kept);
        };
        return QIcon(new QADeferredIconEngine(make));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

#include "app/qalazyiconstyle.h"

#include "sdk/qadeferrediconengine.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

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

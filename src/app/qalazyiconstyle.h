#pragma once

#include <QProxyStyle>

// The application's style, whose icons for the parts that are rarely seen (a toolbar's overflow
// button, a dock's title buttons) are read when first drawn. Each toolbar makes its overflow
// button at once, and reading that icon was the one picture of the window's start that loaded
// every image plugin.
class QALazyIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Wraps a fresh instance of the style the application uses now.
    QALazyIconStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

#pragma once

#include <QFrame>
#include <QPixmap>

// The picture shown in the middle of the screen while the main window builds itself.
class QAZynSplashWindow : public QFrame
{
    Q_OBJECT

public:
    static constexpr int Width = 650;
    static constexpr int Height = 460;

    explicit QAZynSplashWindow(const QString &programPath, QWidget *parent = nullptr,
                               const QString &name = QString());

    // Top-left corner that centres the splash on a screen of the given geometry.
    static QPoint centredPosition(const QRect &screen);
    // The flavour's picture in the installation's lib/pixmap.
    static QString imagePath(const QString &programPath);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Read when first painted: a quick start replaces the splash before it is ever drawn.
    QString m_picturePath;
    QPixmap m_picture;
};

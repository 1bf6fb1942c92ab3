#pragma once

#include <QByteArray>
#include <QString>

// The branding of the run, fixed before the main window is built.
enum class ProductFlavour { Corvin, Halvern };

ProductFlavour productFlavour();
void setProductFlavour(ProductFlavour flavour);

// The flavour an installation asks for: "product.flavour = Halvern" in lib/product.properties;
// Corvin when the file or the key is missing.
ProductFlavour flavourOfInstallation(const QString &installDir);

// Window and message-box caption; never translated.
QByteArray productTitle();
// The same as text.
QString productCaption();
// "Tamsk Velmora Corvin": the words before " on the Web" in the Help menu.
QString productWebWords();
// "Tamsk® Velmora® Corvin": the about box heading.
QString productDisplayName();
QString windowIconName();
QString userGuideName();
QString splashImageName();
QString aboutImageName();

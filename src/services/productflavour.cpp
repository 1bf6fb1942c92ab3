#include "services/productflavour.h"

#include "sdk/qares.h"

#include <QDir>

static ProductFlavour currentFlavour = ProductFlavour::Corvin;

ProductFlavour productFlavour()
{
    return currentFlavour;
}

void setProductFlavour(ProductFlavour flavour)
{
    currentFlavour = flavour;
}

ProductFlavour flavourOfInstallation(const QString &installDir)
{
    const auto properties
        = QARes::read(QDir(installDir).filePath(QStringLiteral("lib/product.properties")));
    const QARes *entry
        = properties ? properties->search(QStringLiteral("product.flavour")) : nullptr;
    if (entry && entry->toResString()
        && entry->toResString()->string().compare(QLatin1String("Halvern"), Qt::CaseInsensitive)
            == 0)
        return ProductFlavour::Halvern;
    return ProductFlavour::Corvin;
}

static bool halvern()
{
    return currentFlavour == ProductFlavour::Halvern;
}

QByteArray productTitle()
{
    return halvern() ? QByteArrayLiteral("Tamsk Velmora Halvern Moravel Editor")
                     : QByteArrayLiteral("Tamsk Velmora Corvin Moravel Editor");
}

QString productCaption()
{
    return QString::fromLatin1(productTitle());
}

QString productWebWords()
{
    return halvern() ? QStringLiteral("Tamsk Velmora Halvern")
                     : QStringLiteral("Tamsk Velmora Corvin");
}

QString productDisplayName()
{
    return halvern() ? QStringLiteral("Tamsk\u00ae Velmora\u00ae Halvern")
                     : QStringLiteral("Tamsk\u00ae Velmora\u00ae Corvin");
}

QString windowIconName()
{
    return halvern() ? QStringLiteral("hlvicon48x48_xpm") : QStringLiteral("kvnicon48x48_xpm");
}

QString userGuideName()
{
    return halvern() ? QStringLiteral("hlv-ug") : QStringLiteral("kvn-ug");
}

QString splashImageName()
{
    return halvern() ? QStringLiteral("splash_hlv.png") : QStringLiteral("splash.png");
}

QString aboutImageName()
{
    return halvern() ? QStringLiteral("about_hlv.png") : QStringLiteral("about.png");
}

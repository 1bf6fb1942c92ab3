#include "dialogs/qazynaboutdialog.h"

#include "dialogs/dialogrows.h"
#include "sdk/getpix.h"
#include "sdk/qainstall.h"
#include "services/productflavour.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const char *const IdentityContext = "KVNIdent";

QString identity(const char *text)
{
    return QCoreApplication::translate(IdentityContext, text);
}

QString headingText()
{
    const char *name = productFlavour() == ProductFlavour::Halvern
        ? QT_TRANSLATE_NOOP("KVNIdent", "Tamsk\u00ae Velmora\u00ae Halvern")
        : QT_TRANSLATE_NOOP("KVNIdent", "Tamsk\u00ae Velmora\u00ae Corvin");
    return identity(QT_TRANSLATE_NOOP("KVNIdent", "<h2 align=\"left\"><font color=\"#007c7c\">"))
        + identity(name) + identity(QT_TRANSLATE_NOOP("KVNIdent", "</font></h2>\n"));
}

void setWhiteBackground(QWidget *widget)
{
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

QString legalNotice()
{
    return identity(QT_TRANSLATE_NOOP(
        "KVNIdent",
        "This program is protected by copyright law and international treaties. It is "
        "licensed, not sold, to you under the terms of the licence agreement of Velmora "
        "Software that came with it; using it means accepting that agreement.\n\n"
        "Reproduction or distribution of this program, or of any part of it, without the "
        "written permission of Velmora Software may result in civil and criminal penalties, "
        "and will be prosecuted to the maximum extent possible under the law.\n\n"
        "The program is provided \"as is\", without warranty of any kind, express or implied, "
        "including the warranties of merchantability and fitness for a particular purpose. "
        "In no event shall Velmora Software be liable for any damages arising from its use.\n\n"
        "Tamsk, Velmora, Corvin and Halvern are registered trademarks of Velmora Software. "
        "Other names may be trademarks of their respective owners."));
}

} // namespace

QAZynAboutDialog::QAZynAboutDialog(const QString &programPath, QWidget *parent, const QString &name)
    : QDialog(parent)
{
    setObjectName(name);
    setModal(true);
    setWindowTitle(tr("About ") + QString::fromLatin1(productTitle()));
    setWindowIcon(GETPIX(windowIconName(), builtinImage(windowIconName())));
    setWhiteBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    layout->addLayout(identityRow(programPath));

    auto *notice = new QTextEdit(this);
    notice->setObjectName(QStringLiteral("legalNotice"));
    notice->setReadOnly(true);
    notice->setPlainText(legalNotice());
    addPaddedRow(layout, notice);
    addOkRow(this, layout, tr("&OK"));

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The picture beside the heading, copyright, version and build.
QLayout *QAZynAboutDialog::identityRow(const QString &programPath)
{
    auto *row = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(QPixmap(imagePath(programPath)));
    setWhiteBackground(picture);
    row->addWidget(picture);
    row->addSpacing(20);

    auto *column = new QVBoxLayout;
    column->addWidget(identityLabel(headingText(), QStringLiteral("heading")));
    column->addSpacing(5);
    column->addWidget(identityLabel(
        identity(QT_TRANSLATE_NOOP(
            "KVNIdent", "Copyright \u00a9 2009 Velmora Software.\nAll rights reserved.")),
        QStringLiteral("copyright")));
    column->addSpacing(5);
    column->addWidget(identityLabel(identity(QT_TRANSLATE_NOOP("KVNIdent", "Version 8.0.1.1")),
                                    QStringLiteral("version")));
    column->addSpacing(5);
    column->addWidget(identityLabel(identity(QT_TRANSLATE_NOOP("KVNIdent", "Build 163.015")),
                                    QStringLiteral("build")));
    column->addSpacing(10);
    row->addLayout(column);
    row->addSpacing(10);
    return row;
}

QLabel *QAZynAboutDialog::identityLabel(const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    setWhiteBackground(label);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 128, 128));
    label->setPalette(colours);
    return label;
}

QString QAZynAboutDialog::imagePath(const QString &programPath)
{
    const QChar sep = QDir::separator();
    return QAInstall::installDir(programPath) + sep + QStringLiteral("lib") + sep
        + QStringLiteral("pixmap") + sep + aboutImageName();
}

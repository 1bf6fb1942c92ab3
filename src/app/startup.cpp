#include "app/startup.h"

#include "app/qalazyiconstyle.h"
#include "app/qamainwindoweditor.h"
#include "app/startupwarmup.h"
#include "document/qafilesaver.h"
#include "sdk/qalogmessagebox.h"
#include "sdk/qauserlibrary.h"
#include "services/productflavour.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

void fatalMessage(const QString &text)
{
    std::fprintf(stderr, "(%s) %s", "zyneditor", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void setUpInterfaceLook()
{
    QApplication::setStyle(new QALazyIconStyle);
    // Text is shaped only where its script needs it (not Latin): laying text out is most of the
    // window's first frame, and kerning and ligatures in labels and code are not worth it.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

void setupTranslator(QApplication &application)
{
    auto *translator = new QTranslator(&application);
    const QString installDir = QString::fromLocal8Bit(qgetenv("CORVINDIR"));
    if (installDir.isEmpty()) {
        fatalMessage(QStringLiteral("Fatal Error: please setup CORVINDIR environment variable.\n"));
        std::exit(1);
    }
    const QChar sep = QDir::separator();
    const QString localeDir
        = installDir + sep + QStringLiteral("lib") + sep + QStringLiteral("locale");
    if (!QFileInfo(localeDir).isDir()) {
        fatalMessage(QStringLiteral("Fatal Error: directory doesn't exist '%1'\n").arg(localeDir));
        std::exit(1);
    }
    if (translator->load(QStringLiteral("zyneditor_") + QLocale::system().name(), localeDir)) {
        QApplication::installTranslator(translator);
        // The standard buttons and dialogs come from Qt's own catalogue, where one is installed.
        auto *qtTranslator = new QTranslator(&application);
        if (qtTranslator->load(QStringLiteral("qtbase_") + QLocale::system().name(),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qtTranslator);
    }
}

int zynMain(int argc, char *argv[])
{
    if (argc > 2) {
        std::fprintf(stderr, "Usage: %s [file]\n", argv[0]);
        return 1;
    }
    // A save past a file size limit fails like one on a full disk instead of ending the program
    // with the document unsaved.
    QAFileSaver::ignoreFileSizeSignal();
    StartupWarmUp warmUp;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmora Software"));
    QApplication::setApplicationName(QStringLiteral("zyneditor"));
    // Past the checks that end the program at once: the font list is then read to the end.
    setupTranslator(application);
    setUpInterfaceLook();
    warmUp.applicationReady();
    setProductFlavour(flavourOfInstallation(QString::fromLocal8Bit(qgetenv("CORVINDIR"))));

    {
        QALogMessageBox log(
            productCaption() + QApplication::translate("zyneditor", " Install Library Files Error"),
            nullptr);
        QAUserLibrary::checkAndInstall(productCaption(), &log, QApplication::arguments().value(0));
    }

    QAMainWindowEditor window(QApplication::arguments());
    // The window has used the font list: the thread has ended or is about to.
    warmUp.finish();
    window.show();
    return application.exec();
}

#include "app/qalazyiconstyle.h"
#include "app/qamainwindoweditor.h"
#include "app/startup.h"
#include "app/startupwarmup.h"
#include "document/qadocumentlock.h"
#include "services/productflavour.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// Start-up as the user meets it: what the program refuses before any window exists, and what it
// starts with anyway.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    static QString binary() { return QStringLiteral(ZYN_EDITOR_BINARY); }

private Q_SLOTS:
    void cleanup() { setProductFlavour(ProductFlavour::Corvin); }

    void refusesToStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // "staged", "unset", "empty", "no locale", "locale is a file"
        QTest::addColumn<QString>("installation");
        // <program> is the program path, <locale> the locale directory of the installation given
        QTest::addColumn<QString>("expectedError");

        const QString usage = QStringLiteral("Usage: <program> [file]\n");
        const QString unset = QStringLiteral(
            "(zyneditor) Fatal Error: please setup CORVINDIR environment variable.\n");
        const QString noLocale
            = QStringLiteral("(zyneditor) Fatal Error: directory doesn't exist '<locale>'\n");

        QTest::newRow("two files") << QStringList { "a.xdp", "b.xdp" } << "staged" << usage;
        QTest::newRow("toolkit option before a file")
            << QStringList { "-reverse", "a.xdp" } << "staged" << usage;
        QTest::newRow("usage checked before the installation")
            << QStringList { "a.xdp", "b.xdp" } << "unset" << usage;
        QTest::newRow("CORVINDIR unset") << QStringList() << "unset" << unset;
        QTest::newRow("CORVINDIR empty") << QStringList { "a.xdp" } << "empty" << unset;
        QTest::newRow("tree without lib/locale") << QStringList() << "no locale" << noLocale;
        QTest::newRow("lib/locale is a file") << QStringList() << "locale is a file" << noLocale;
    }
    void refusesToStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, installation);
        QFETCH(QString, expectedError);

        QTemporaryDir scratch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), scratch.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.path());
        environment.remove(QStringLiteral("CORVINDIR"));

        QString tree = scratch.path() + QStringLiteral("/tree");
        if (installation == QLatin1String("staged")) {
            tree = TestEnvironment::stagedTree();
        } else if (installation == QLatin1String("empty")) {
            tree.clear();
        } else if (installation == QLatin1String("no locale")) {
            QVERIFY(QDir().mkpath(tree + QStringLiteral("/lib/pixmap")));
        } else if (installation == QLatin1String("locale is a file")) {
            QVERIFY(TestFiles::write(tree + QStringLiteral("/lib/locale"), "not a directory"));
        }
        if (installation != QLatin1String("unset"))
            environment.insert(QStringLiteral("CORVINDIR"), tree);

        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(binary(), arguments);
        QVERIFY2(editor.waitForFinished(60000), "the editor did not stop by itself");

        const QString localeDir
            = tree + QDir::separator() + QStringLiteral("lib") + QDir::separator() + "locale";
        QCOMPARE(QString::fromLocal8Bit(editor.readAllStandardError()),
                 expectedError.replace("<program>", binary()).replace("<locale>", localeDir));
        QCOMPARE(editor.readAllStandardOutput(), QByteArray());
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 1);
    }

    void startsWithoutTheMissingFile()
    {
        TestEnvironment environment;
        ScriptedDialogs dialogs;
        const QString missing = environment.scratch() + QStringLiteral("/missing.xdp");
        QAMainWindowEditor window({ binary(), missing });
        QVERIFY(window.currentFilePath().isEmpty());
        QCOMPARE(window.windowTitle(), QString::fromLatin1(productTitle()));
        QCOMPARE(dialogs.questions().size(), 0);
    }

    // The document given on the command line is read while the window is built: it opens as
    // it is, and one that is refused leaves no lock behind.
    void opensTheCommandLineDocument_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("opens");
        QTest::newRow("a template") << TestFiles::read(
            TestEnvironment::stagedTree() + QStringLiteral("/targets/xml/templatec.xdp"))
                                    << true;
        QTest::newRow("a broken file") << QByteArray("<ZYN Version=\"V2009\"><IS>") << false;
    }
    void opensTheCommandLineDocument()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, opens);
        QVERIFY(!content.isEmpty());
        TestEnvironment environment;
        ScriptedDialogs dialogs;
        QString path;
        QVERIFY(environment.writeScratch(QStringLiteral("given.xdp"), content, &path));
        QAMainWindowEditor window({ binary(), path });
        QCOMPARE(window.currentFilePath().isEmpty(), !opens);
        if (opens)
            QCOMPARE(TestFiles::read(path), content);
        QADocumentLock other;
        QCOMPARE(other.acquire(path),
                 opens ? QADocumentLock::Result::HeldElsewhere : QADocumentLock::Result::Acquired);
    }

    // The program's font skips shaping where the script allows, and every widget inherits
    // that, fonts set on them included; family and size stay the platform's.
    void interfaceFontSkipsShaping()
    {
        const QFont before = QApplication::font();
        const QString style = QApplication::style()->name();
        const auto restore = qScopeGuard([&before, &style] {
            QApplication::setFont(before);
            QApplication::setStyle(style);
        });
        setUpInterfaceLook();
        const QFont after = QApplication::font();
        QCOMPARE(after.family(), before.family());
        QCOMPARE(after.pointSizeF(), before.pointSizeF());
        QVERIFY(after.styleStrategy() & QFont::PreferNoShaping);
        QWidget widget;
        QFont code(QStringLiteral("Monospace"));
        code.setPointSize(before.pointSize() + 2);
        widget.setFont(code);
        QVERIFY(widget.font().styleStrategy() & QFont::PreferNoShaping);
    }

    // The icons the style reads late are the very pictures the wrapped style gives, pointing the
    // way the option asked, even once the style that made them is gone.
    void lateStyleIconsAreTheStylesOwn_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("direction");
        const auto add = [](const char *name, QStyle::StandardPixmap icon, Qt::LayoutDirection d) {
            QTest::newRow(name) << int(icon) << int(d);
        };
        add("toolbar overflow", QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight);
        add("toolbar overflow, right to left", QStyle::SP_ToolBarHorizontalExtensionButton,
            Qt::RightToLeft);
        add("vertical toolbar overflow", QStyle::SP_ToolBarVerticalExtensionButton,
            Qt::LeftToRight);
        add("dock close", QStyle::SP_TitleBarCloseButton, Qt::LeftToRight);
        add("dock float", QStyle::SP_TitleBarNormalButton, Qt::LeftToRight);
        add("read at once", QStyle::SP_DialogOkButton, Qt::LeftToRight);
    }
    void lateStyleIconsAreTheStylesOwn()
    {
        QFETCH(int, icon);
        QFETCH(int, direction);
        const auto which = QStyle::StandardPixmap(icon);
        QStyleOption option;
        option.direction = Qt::LayoutDirection(direction);
        auto style = std::make_unique<QALazyIconStyle>();
        const QIcon given = style->standardIcon(which, &option);
        const QIcon expected = style->baseStyle()->standardIcon(which, &option);
        QCOMPARE(given.isNull(), expected.isNull());
        style.reset();
        const QSize size(16, 16);
        QCOMPARE(given.pixmap(size).toImage(), expected.pixmap(size).toImage());
    }

    // The start-up helper thread never keeps the window waiting for ever, whether it was let go
    // on, ended early, or never ran.
    void warmUpNeverHoldsTheStartBack_data()
    {
        QTest::addColumn<QString>("how"); // ready, ended early, none
        QTest::newRow("made ready") << "ready";
        QTest::newRow("ended before the application was ready") << "ended early";
        QTest::newRow("no warm-up") << "none";
    }
    void warmUpNeverHoldsTheStartBack()
    {
        QFETCH(QString, how);
        if (how != QLatin1String("none")) {
            StartupWarmUp warmUp;
            StartupWarmUp::awaitFontConfiguration();
            if (how == QLatin1String("ready"))
                warmUp.applicationReady();
            warmUp.finish();
        }
        // Once it has ended, nothing waits for it any more.
        StartupWarmUp::awaitFontConfiguration();
        QVERIFY(!QFontDatabase::families().isEmpty());
    }

    void flavourComesFromTheInstallation_data()
    {
        QTest::addColumn<QByteArray>("properties"); // null: no lib/product.properties
        QTest::addColumn<ProductFlavour>("flavour");
        QTest::newRow("no properties file") << QByteArray() << ProductFlavour::Corvin;
        QTest::newRow("Halvern") << QByteArray("product.flavour = Halvern\n")
                                 << ProductFlavour::Halvern;
        QTest::newRow("lower case halvern")
            << QByteArray("product.flavour=halvern\n") << ProductFlavour::Halvern;
        QTest::newRow("Corvin") << QByteArray("product.flavour = Corvin\n")
                                << ProductFlavour::Corvin;
        QTest::newRow("unknown flavour")
            << QByteArray("product.flavour = Nimbus\n") << ProductFlavour::Corvin;
        QTest::newRow("other key only")
            << QByteArray("product.name = Halvern\n") << ProductFlavour::Corvin;
        QTest::newRow("commented out")
            << QByteArray("# product.flavour = Halvern\n") << ProductFlavour::Corvin;
    }
    void flavourComesFromTheInstallation()
    {
        QFETCH(QByteArray, properties);
        QFETCH(ProductFlavour, flavour);
        QTemporaryDir tree;
        if (!properties.isNull())
            QVERIFY(TestFiles::write(tree.filePath(QStringLiteral("lib/product.properties")),
                                     properties));
        QCOMPARE(flavourOfInstallation(tree.path()), flavour);
    }

    void flavourBrandsTheWindow_data()
    {
        QTest::addColumn<ProductFlavour>("flavour");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("webMenu");
        QTest::newRow("Corvin") << ProductFlavour::Corvin << "Tamsk Velmora Corvin Moravel Editor"
                                << "Tamsk Velmora Corvin on the Web";
        QTest::newRow("Halvern") << ProductFlavour::Halvern
                                 << "Tamsk Velmora Halvern Moravel Editor"
                                 << "Tamsk Velmora Halvern on the Web";
    }
    void flavourBrandsTheWindow()
    {
        QFETCH(ProductFlavour, flavour);
        QFETCH(QString, title);
        QFETCH(QString, webMenu);
        TestEnvironment environment;
        ScriptedDialogs dialogs;
        setProductFlavour(flavour);
        QAMainWindowEditor window({ binary() });
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.findChild<QAction *>("fileExitAction")->toolTip(), "Exit " + title);
        QStringList menus;
        for (const QMenu *menu : window.findChildren<QMenu *>())
            menus << menu->title();
        QVERIFY2(menus.contains(webMenu), qPrintable(menus.join(", ")));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

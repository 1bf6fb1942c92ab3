#include "dialogs/qazynaboutdialog.h"
#include "dialogs/qazynerrordialog.h"
#include "dialogs/qazynsplashwindow.h"
#include "services/productflavour.h"
#include "services/qazynwaitdlg.h"
#include "support/testenvironment.h"

#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

namespace {
QStringList capturedWarnings;

void captureWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        capturedWarnings << message;
}
} // namespace

// The wait, error, splash and about windows.
class TestDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    static QString title() { return QString::fromLatin1(productTitle()); }

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        setProductFlavour(ProductFlavour::Corvin);
        m_env.reset();
    }

    void waitDialog_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::newRow("message only") << false;
        QTest::newRow("with Cancel") << true;
    }
    void waitDialog()
    {
        QFETCH(bool, withCancel);
        QAZynWaitDlg dialog("Encoding the file, please wait...", "Please wait", withCancel, nullptr,
                            "waitDialog");
        QCOMPARE(dialog.objectName(), QStringLiteral("waitDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Please wait"));
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.messageLabel()->text(),
                 QStringLiteral("Encoding the file, please wait..."));
        QCOMPARE(dialog.layout()->contentsMargins(), QMargins(20, 20, 20, 20));
        QCOMPARE(dialog.findChildren<QPushButton *>().size(), withCancel ? 1 : 0);
        dialog.show();

        QSignalSpy canceled(&dialog, &QAZynWaitDlg::canceled);
        if (withCancel) {
            QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("&Cancel"));
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            QCOMPARE(canceled.size(), 2);
        }
        // Escape never closes it: the script it waits for is still running.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(canceled.size(), withCancel ? 3 : 0);
    }

    void errorDialog()
    {
        QString message;
        for (int line = 1; line <= 200; ++line)
            message += QStringLiteral("zyngen.pl: line %1 failed\n").arg(line);
        message += QStringLiteral("caf\u00e9 100%");

        capturedWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
        QAZynErrorDialog dialog(message, nullptr, "errorDialog");
        qInstallMessageHandler(previous);

        QCOMPARE(capturedWarnings, QStringList { "ZYN error : " + message });
        QCOMPARE(dialog.objectName(), QStringLiteral("errorDialog"));
        QCOMPARE(dialog.windowTitle(), "Error " + title());
        QVERIFY(dialog.isModal());
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(127, 127, 127));

        QPlainTextEdit *view = dialog.messageView();
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText(), message);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.width() >= 600);
        QVERIFY2(view->verticalScrollBar()->maximum() > 0, "a long text must scroll");
        QCOMPARE(view->verticalScrollBar()->value(), 0);

        auto *ok = dialog.findChild<QPushButton *>("ok");
        QVERIFY(ok->isDefault());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void errorDialogDoesNotInterpretMarkup()
    {
        QAZynErrorDialog dialog("<b>not bold</b> & <i>kept</i>");
        QCOMPARE(dialog.messageView()->toPlainText(),
                 QStringLiteral("<b>not bold</b> & <i>kept</i>"));
    }

    void splashPosition_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QPoint(187, 154);
        QTest::newRow("odd sizes round down") << QRect(0, 0, 1281, 1025) << QPoint(315, 282);
        QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QPoint(1339, 282);
    }
    void splashPosition()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, topLeft);
        QCOMPARE(QAZynSplashWindow::centredPosition(screen), topLeft);
    }

    void splashWindow_data()
    {
        QTest::addColumn<ProductFlavour>("flavour");
        QTest::addColumn<QString>("image");
        QTest::newRow("Corvin") << ProductFlavour::Corvin << "splash.png";
        QTest::newRow("Halvern") << ProductFlavour::Halvern << "splash_hlv.png";
    }
    void splashWindow()
    {
        QFETCH(ProductFlavour, flavour);
        QFETCH(QString, image);
        setProductFlavour(flavour);
        QAZynSplashWindow splash("zyneditor", nullptr, "splash");
        QCOMPARE(splash.objectName(), QStringLiteral("splash"));
        QCOMPARE(splash.size(), QSize(650, 460));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QCOMPARE(splash.windowType(), Qt::Tool);
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(QAZynSplashWindow::imagePath("zyneditor"),
                 TestEnvironment::stagedTree() + "/lib/pixmap/" + image);
        QVERIFY(QFileInfo(QAZynSplashWindow::imagePath("zyneditor")).isFile());
        QVERIFY(splash.autoFillBackground());
        // The picture is read when the splash is first drawn, and drawn in that same pass.
        const QImage picture(QAZynSplashWindow::imagePath("zyneditor"));
        const QImage shown = splash.grab().toImage();
        for (const QPoint at : { QPoint(0, 0), QPoint(325, 230), QPoint(649, 459) })
            QCOMPARE(QColor(shown.pixel(at)), QColor(picture.pixel(at)));
        QCOMPARE(QColor(splash.grab().toImage().pixel(325, 230)), QColor(picture.pixel(325, 230)));
    }

    void splashWithoutImage()
    {
        const QString tree = m_env->scratch();
        qputenv("CORVINDIR", QFile::encodeName(tree));
        QAZynSplashWindow splash("zyneditor");
        QVERIFY(!splash.autoFillBackground());
        QCOMPARE(splash.size(), QSize(650, 460));
    }

    void aboutDialog_data()
    {
        QTest::addColumn<ProductFlavour>("flavour");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("image");
        QTest::newRow("Corvin") << ProductFlavour::Corvin << "Tamsk\u00ae Velmora\u00ae Corvin"
                                << "about.png";
        QTest::newRow("Halvern") << ProductFlavour::Halvern << "Tamsk\u00ae Velmora\u00ae Halvern"
                                 << "about_hlv.png";
    }
    void aboutDialog()
    {
        QFETCH(ProductFlavour, flavour);
        QFETCH(QString, name);
        QFETCH(QString, image);
        setProductFlavour(flavour);
        QAZynAboutDialog dialog("zyneditor", nullptr, "about");
        QCOMPARE(dialog.windowTitle(), "About " + title());
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(Qt::white));

        auto label = [&](const char *objectName) {
            auto *found = dialog.findChild<QLabel *>(objectName);
            return found ? found->text() : QString("<missing %1>").arg(objectName);
        };
        QCOMPARE(label("heading"),
                 "<h2 align=\"left\"><font color=\"#007c7c\">" + name + "</font></h2>\n");
        QCOMPARE(label("version"), QStringLiteral("Version 8.0.1.1"));
        QCOMPARE(label("build"), QStringLiteral("Build 163.015"));
        QVERIFY(label("copyright").contains("Velmora Software"));
        QCOMPARE(label("copyright").count('\n'), 1);
        for (const char *objectName : { "heading", "copyright", "version", "build" }) {
            const QPalette palette = dialog.findChild<QLabel *>(objectName)->palette();
            QCOMPARE(palette.color(QPalette::WindowText), QColor(0, 128, 128));
            QCOMPARE(palette.color(QPalette::Window), QColor(Qt::white));
        }

        QCOMPARE(QAZynAboutDialog::imagePath("zyneditor"),
                 TestEnvironment::stagedTree() + "/lib/pixmap/" + image);
        QVERIFY(!dialog.findChild<QLabel *>("picture")->pixmap().isNull());

        auto *notice = dialog.findChild<QTextEdit *>("legalNotice");
        QVERIFY(notice->isReadOnly());
        QVERIFY(notice->toPlainText().contains("Velmora Software"));
        QVERIFY(dialog.findChild<QPushButton *>("ok")->isDefault());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"

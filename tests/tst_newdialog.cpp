#include "dialogs/qanewzyndlg.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The new-document dialog: which template each way through it yields.
class TestNewDialog : public QObject
{
    Q_OBJECT

private:
    template<typename Button> static Button *button(QDialog &dialog, const QString &text)
    {
        const auto buttons = dialog.findChildren<Button *>();
        for (Button *candidate : buttons) {
            if (candidate->text() == text)
                return candidate;
        }
        return nullptr;
    }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void opensTheChosenTemplate_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("templateName");

        QTest::newRow("untouched dialog") << QString() << "templatec.xdp";
        QTest::newRow("C/C++") << "C/C++"
                               << "templatec.xdp";
        QTest::newRow("Ada/Ada83") << "Ada/Ada83"
                                   << "templatea.xdp";
        QTest::newRow("J2SE") << "J2SE"
                              << "templatej2se.xdp";
        QTest::newRow("J2ME") << "J2ME"
                              << "templatej2me.xdp";
    }
    void opensTheChosenTemplate()
    {
        QFETCH(QString, language);
        QFETCH(QString, templateName);

        QANewZynDlg dialog(nullptr, QStringLiteral("New ZYN Dialog"));
        dialog.open();
        if (!language.isEmpty()) {
            auto *radio = button<QRadioButton>(dialog, language);
            QVERIFY(radio);
            radio->click();
        }
        QVERIFY(dialog.templateName().isNull());
        auto *open = button<QPushButton>(dialog, QStringLiteral("Open"));
        QVERIFY(open && open->isDefault());
        open->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.templateName(), templateName);
    }

    void cancelLeavesNoTemplate_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("window closed") << true;
    }
    void cancelLeavesNoTemplate()
    {
        QFETCH(bool, closeWindow);
        QANewZynDlg dialog;
        dialog.open();
        button<QRadioButton>(dialog, QStringLiteral("J2ME"))->click();
        if (closeWindow)
            dialog.close();
        else
            button<QPushButton>(dialog, QStringLiteral("Cancel"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.templateName().isNull());
    }

    void runsThroughTheSeam()
    {
        // The way the main window runs it: modally, through the dialog seam.
        ScriptedDialogs dialogs;
        dialogs.onExec([](QDialog *dialog) {
            button<QRadioButton>(*dialog, QStringLiteral("Ada/Ada83"))->click();
            button<QPushButton>(*dialog, QStringLiteral("Open"))->click();
            return dialog->result();
        });
        QANewZynDlg dialog(nullptr, QStringLiteral("New ZYN Dialog"));
        QCOMPARE(QADialogSeam::instance().exec(&dialog), int(QDialog::Accepted));
        QCOMPARE(dialog.templateName(), QStringLiteral("templatea.xdp"));
        QCOMPARE(dialogs.last().caption, QStringLiteral("Moravel Language Selection"));
        QCOMPARE(dialogs.last().objectName, QStringLiteral("New ZYN Dialog"));
    }
};

QTEST_MAIN(TestNewDialog)
#include "tst_newdialog.moc"

#include "dialogs/qapreferences.h"
#include "dialogs/qazynprefdialog.h"
#include "sdk/qahelp.h"
#include "support/testenvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

// The help preferences between settings, dialog and help object, as the main window drives them:
// loaded at start-up, applied and stored on acceptance only.
class TestPreferences : public QObject
{
    Q_OBJECT

private:
    // The dialog, loaded and wired as the main window does it.
    struct Window
    {
        QAHelp editorHelp;
        QAHelp windowHelp;
        QAzynPrefDialog dialog { nullptr, QStringLiteral("Preferences") };

        Window(const QString &command = QString())
        {
            editorHelp.setCommand(command);
            QSettings settings;
            loadPreferences(settings, dialog, editorHelp, windowHelp);
            QObject::connect(&dialog, &QAzynPrefDialog::updated, &dialog, [this] {
                QSettings settings;
                applyPreferences(settings, dialog, editorHelp);
            });
        }
        QComboBox *combo() const
        {
            return dialog.findChild<QComboBox *>(QStringLiteral("qvfd-cb-pref-txt"));
        }
        QLineEdit *classPathEdit() const
        {
            return dialog.findChild<QLineEdit *>(QStringLiteral("classPath"));
        }
        QCheckBox *localServerBox() const { return dialog.findChild<QCheckBox *>(); }
        QStringList comboItems() const
        {
            QStringList items;
            for (int i = 0; i < combo()->count(); ++i)
                items.append(combo()->itemText(i));
            return items;
        }
        void pressOk()
        {
            dialog.open();
            for (auto *button : dialog.findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String("OK"))
                    button->click();
            }
        }
    };

    static QVariant stored(const QString &key)
    {
        return QSettings().value(QStringLiteral("ZYNEditorPreferenceDialog/") + key);
    }
    static void store(const QString &key, const QVariant &value)
    {
        QSettings().setValue(QStringLiteral("ZYNEditorPreferenceDialog/") + key, value);
    }

    std::unique_ptr<TestEnvironment> m_env;

private Q_SLOTS:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void firstStartTakesTheHelpDefaults_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("no command configured") << QString();
        QTest::newRow("command configured") << "mybrowser";
    }
    void firstStartTakesTheHelpDefaults()
    {
        QFETCH(QString, command);
        Window window(command);
        const QString expected
            = command.isEmpty() ? window.windowHelp.getDefaultCommand() : command;

        QCOMPARE(window.comboItems(), QStringList { expected });
        QCOMPARE(window.editorHelp.getCommand(), expected);
        const QAHelp defaults;
        QCOMPARE(window.dialog.helpUrl(), defaults.getDefaultHelpURL());
        QCOMPARE(window.editorHelp.getHelpURL(), defaults.getDefaultHelpURL());
        QCOMPARE(window.dialog.classPath(), defaults.getDefaultClassPath());
        QCOMPARE(window.editorHelp.getClassPath(), defaults.getDefaultClassPath());
        QCOMPARE(window.dialog.localServer(), defaults.getDefaultStartLocalServer());
        QCOMPARE(window.editorHelp.getStartLocalServer(), defaults.getDefaultStartLocalServer());
        QVERIFY(!QSettings().contains(QStringLiteral("ZYNEditorPreferenceDialog/HelpUrl")));
    }

    void dropsAStoredListWithoutTheCommand()
    {
        store("HelpBrowserlist", QStringList { "A", "B", "C" });
        store("HelpBrowserItem", 2);
        Window window(QStringLiteral("X"));
        QCOMPARE(window.comboItems(), QStringList { "X" });
        QCOMPARE(window.editorHelp.getCommand(), QStringLiteral("X"));

        window.combo()->setEditText(QStringLiteral("Y"));
        window.pressOk();
        QCOMPARE(stored("HelpBrowserlist").toStringList(), QStringList({ "X", "Y" }));
        QCOMPARE(stored("HelpBrowserItem").toInt(), 0);
        QCOMPARE(window.editorHelp.getCommand(), QStringLiteral("Y"));
    }

    void typedCommandIsUsedAndSavedLast()
    {
        store("HelpBrowserlist", QStringList { "A", "B", "C" });
        store("HelpBrowserItem", 1);
        Window window(QStringLiteral("B"));
        QCOMPARE(window.comboItems(), QStringList({ "A", "B", "C" }));
        QCOMPARE(window.dialog.currentBrowserText(), QStringLiteral("B"));

        window.combo()->lineEdit()->selectAll();
        QTest::keyClicks(window.combo()->lineEdit(), QStringLiteral("D"));
        window.pressOk();

        QCOMPARE(window.editorHelp.getCommand(), QStringLiteral("D"));
        QCOMPARE(window.comboItems(), QStringList({ "A", "B", "C" }));
        QCOMPARE(stored("HelpBrowserlist").toStringList(), QStringList({ "A", "B", "C", "D" }));
        QCOMPARE(stored("HelpBrowserItem").toInt(), 1);
    }

    void acceptedValuesSurviveARestart()
    {
        {
            Window window;
            window.dialog.setHelpUrl(QStringLiteral("http://help.example/centre"));
            window.dialog.setClassPath(QStringLiteral("/opt/help/plugin.jar"));
            window.dialog.setLocalServer(true);
            window.pressOk();
            QCOMPARE(window.editorHelp.getHelpURL(), QStringLiteral("http://help.example/centre"));
            QCOMPARE(window.editorHelp.getClassPath(), QStringLiteral("/opt/help/plugin.jar"));
            QVERIFY(window.editorHelp.getStartLocalServer());
        }
        Window restarted;
        QCOMPARE(restarted.dialog.helpUrl(), QStringLiteral("http://help.example/centre"));
        QCOMPARE(restarted.editorHelp.getClassPath(), QStringLiteral("/opt/help/plugin.jar"));
        QVERIFY(restarted.dialog.localServer());
        QVERIFY(restarted.classPathEdit()->isEnabled());
    }

    void localServerSwitchesTheClassPath()
    {
        store("LocalServer", false);
        Window window;
        QVERIFY(!window.classPathEdit()->isEnabled());
        window.localServerBox()->click();
        QVERIFY(window.classPathEdit()->isEnabled());
        window.localServerBox()->click();
        QVERIFY(!window.classPathEdit()->isEnabled());
    }

    void rejectionChangesNothing()
    {
        store("HelpBrowserlist", QStringList { "A", "B" });
        store("HelpBrowserItem", 0);
        Window window(QStringLiteral("A"));
        const QStringList keysBefore = QSettings().allKeys();

        window.dialog.open();
        window.combo()->setEditText(QStringLiteral("other"));
        window.dialog.setHelpUrl(QStringLiteral("http://elsewhere"));
        window.dialog.setLocalServer(true);
        QTest::keyClick(&window.dialog, Qt::Key_Escape);

        QCOMPARE(window.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(window.editorHelp.getCommand(), QStringLiteral("A"));
        QCOMPARE(window.editorHelp.getHelpURL(), QAHelp().getDefaultHelpURL());
        QVERIFY(!window.editorHelp.getStartLocalServer());
        QCOMPARE(QSettings().allKeys(), keysBefore);
        QCOMPARE(stored("HelpBrowserlist").toStringList(), QStringList({ "A", "B" }));
        // The edits stay in the dialog for its next opening.
        QCOMPARE(window.dialog.helpUrl(), QStringLiteral("http://elsewhere"));
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"

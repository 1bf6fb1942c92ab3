#include "dialogs/qapreferences.h"

#include "dialogs/qazynprefdialog.h"
#include "sdk/qahelp.h"

#include <QSettings>

namespace {
const QString Group = QStringLiteral("/ZYNEditorPreferenceDialog");
const QString BrowserItemKey = QStringLiteral("HelpBrowserItem");
const QString BrowserListKey = QStringLiteral("HelpBrowserlist");
const QString HelpUrlKey = QStringLiteral("HelpUrl");
const QString ClassPathKey = QStringLiteral("Classpath");
const QString LocalServerKey = QStringLiteral("LocalServer");
} // namespace

void loadPreferences(QSettings &settings, QAzynPrefDialog &dialog, QAHelp &editorHelp,
                     const QAHelp &windowHelp)
{
    settings.beginGroup(Group);
    const int item = settings.value(BrowserItemKey, 0).toInt();
    const QStringList list = settings.value(BrowserListKey).toStringList();

    QString command = editorHelp.getCommand();
    if (command.isEmpty())
        command = windowHelp.getDefaultCommand();
    // A stored list that lacks the command in use is stale: start again from the command alone.
    if (list.contains(command)) {
        dialog.insertBrowserList(list);
        if (item >= 0 && item < list.size())
            dialog.setCurrentBrowserItem(item);
        editorHelp.setCommand(dialog.currentBrowserText());
    } else {
        dialog.insertBrowser(command);
        editorHelp.setCommand(command);
    }

    const QString url = settings.value(HelpUrlKey, editorHelp.getDefaultHelpURL()).toString();
    const QString classPath
        = settings.value(ClassPathKey, editorHelp.getDefaultClassPath()).toString();
    const bool localServer
        = settings.value(LocalServerKey, editorHelp.getDefaultStartLocalServer()).toBool();
    settings.endGroup();

    dialog.setHelpUrl(url);
    dialog.setClassPath(classPath);
    dialog.setLocalServer(localServer);
    editorHelp.setHelpURL(url);
    editorHelp.setClassPath(classPath);
    editorHelp.setStartLocalServer(localServer);
}

void applyPreferences(QSettings &settings, const QAzynPrefDialog &dialog, QAHelp &editorHelp)
{
    editorHelp.setCommand(dialog.currentBrowserText());
    editorHelp.setHelpURL(dialog.helpUrl());
    editorHelp.setClassPath(dialog.classPath());
    editorHelp.setStartLocalServer(dialog.localServer());

    settings.beginGroup(Group);
    settings.setValue(BrowserItemKey, dialog.currentBrowserItem());
    settings.setValue(BrowserListKey, dialog.browserList());
    settings.setValue(HelpUrlKey, dialog.helpUrl());
    settings.setValue(ClassPathKey, dialog.classPath());
    settings.setValue(LocalServerKey, dialog.localServer());
    settings.endGroup();
}

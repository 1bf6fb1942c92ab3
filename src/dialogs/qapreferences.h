#pragma once

class QAHelp;
class QAzynPrefDialog;
class QSettings;

// The help preferences between the settings store, the preferences dialog and the help object,
// stored under the group "/ZYNEditorPreferenceDialog".

// At start-up: fills the dialog from the settings and hands the values to the editor area's help
// object; the window's own help object only supplies the default browser command.
void loadPreferences(QSettings &settings, QAzynPrefDialog &dialog, QAHelp &editorHelp,
                     const QAHelp &windowHelp);

// After the dialog was accepted: hands its values to the help object and stores them.
void applyPreferences(QSettings &settings, const QAzynPrefDialog &dialog, QAHelp &editorHelp);

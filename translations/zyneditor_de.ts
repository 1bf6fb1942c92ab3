<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KVNIdent</name>
    <message>
        <source>Tamsk® Velmora® Halvern</source>
        <translation>Tamsk® Velmora® Halvern</translation>
    </message>
    <message>
        <source>Tamsk® Velmora® Corvin</source>
        <translation>Tamsk® Velmora® Corvin</translation>
    </message>
    <message>
        <source>&lt;h2 align=&quot;left&quot;&gt;&lt;font color=&quot;#007c7c&quot;&gt;</source>
        <translation>&lt;h2 align=&quot;left&quot;&gt;&lt;font color=&quot;#007c7c&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/h2&gt;
</source>
        <translation>&lt;/font&gt;&lt;/h2&gt;
</translation>
    </message>
    <message>
        <source>Copyright © 2009 Velmora Software.
All rights reserved.</source>
        <translation>Copyright © 2009 Velmora Software.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version 8.0.1.1</source>
        <translation>Version 8.0.1.1</translation>
    </message>
    <message>
        <source>Build 163.015</source>
        <translation>Build 163.015</translation>
    </message>
    <message>
        <source>This program is protected by copyright law and international treaties. It is licensed, not sold, to you under the terms of the licence agreement of Velmora Software that came with it; using it means accepting that agreement.

Reproduction or distribution of this program, or of any part of it, without the written permission of Velmora Software may result in civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.

The program is provided &quot;as is&quot;, without warranty of any kind, express or implied, including the warranties of merchantability and fitness for a particular purpose. In no event shall Velmora Software be liable for any damages arising from its use.

Tamsk, Velmora, Corvin and Halvern are registered trademarks of Velmora Software. Other names may be trademarks of their respective owners.</source>
        <translation>Dieses Programm ist durch das Urheberrecht und internationale Verträge geschützt. Es wird Ihnen nicht verkauft, sondern zu den Bedingungen des mitgelieferten Lizenzvertrags von Velmora Software überlassen; mit der Benutzung erkennen Sie diesen Vertrag an.

Die Vervielfältigung oder Weitergabe dieses Programms oder eines Teils davon ohne schriftliche Genehmigung von Velmora Software kann zivil- und strafrechtliche Folgen haben und wird im größtmöglichen gesetzlich zulässigen Umfang verfolgt.

Das Programm wird „wie besehen“ bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich der Gewährleistung der Marktgängigkeit und der Eignung für einen bestimmten Zweck. In keinem Fall haftet Velmora Software für Schäden, die aus seiner Benutzung entstehen.

Tamsk, Velmora, Corvin und Halvern sind eingetragene Marken von Velmora Software. Andere Namen können Marken ihrer jeweiligen Inhaber sein.</translation>
    </message>
</context>
<context>
    <name>QABinaryEncoder</name>
    <message>
        <source>Cannot create a temporary directory for the encoded file:
%1</source>
        <translation>Für die kodierte Datei kann kein temporäres Verzeichnis angelegt werden:
%1</translation>
    </message>
    <message>
        <source>ERROR: adding binary file aborted.</source>
        <translation>FEHLER: Hinzufügen der Binärdatei abgebrochen.</translation>
    </message>
    <message>
        <source>Adding binary file...</source>
        <translation>Binärdatei wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Please, wait while adding the binary file...</source>
        <translation>Bitte warten, die Binärdatei wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Unable to run command</source>
        <translation>Befehl kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>ERROR during adding binary file.</source>
        <translation>FEHLER beim Hinzufügen der Binärdatei.</translation>
    </message>
    <message>
        <source>The encoding script failed with exit status %1.</source>
        <translation>Das Kodierskript ist mit dem Status %1 gescheitert.</translation>
    </message>
    <message>
        <source>Critical Error</source>
        <translation>Kritischer Fehler</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Parsing error for file %1</source>
        <translation>Syntaxfehler in der Datei %1</translation>
    </message>
</context>
<context>
    <name>QABuildNode</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Add Child</source>
        <translation>Unterelement &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Ascii File</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>Binary File</source>
        <translation>Binärdatei</translation>
    </message>
    <message>
        <source>A&amp;ppend</source>
        <translation>&amp;Anhängen</translation>
    </message>
</context>
<context>
    <name>QAChoiceViewer</name>
    <message>
        <source>Comment for &quot;%1&quot; node </source>
        <extracomment>used to display title on comment window, %1 is the subject of the comment</extracomment>
        <translation>Kommentar zum Knoten „%1“ </translation>
    </message>
    <message>
        <source>Comment for %1 item </source>
        <extracomment>used to display title on comment window, %1 is the subject of the comment</extracomment>
        <translation>Kommentar zum Eintrag %1 </translation>
    </message>
    <message>
        <source>Chose %1</source>
        <translation>%1 gewählt</translation>
    </message>
</context>
<context>
    <name>QACommentViewer</name>
    <message>
        <source>Comment for %1 node </source>
        <extracomment>used to display title on comment window, %1 is the subject of the comment</extracomment>
        <translation>Kommentar zum Knoten %1 </translation>
    </message>
    <message>
        <source>the root</source>
        <translation>die Wurzel</translation>
    </message>
</context>
<context>
    <name>QADocumentGuard</name>
    <message>
        <source>%1

is already open in another editor (%2). Saving in both would overwrite one editor&apos;s changes with the other&apos;s.

Open it anyway?</source>
        <translation>%1

ist bereits in einem anderen Editor geöffnet (%2). Speichern in beiden würde die Änderungen des einen mit denen des anderen überschreiben.

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept from a session that ended unexpectedly (%2).

Restore them?</source>
        <translation>Nicht gespeicherte Änderungen an %1 wurden aus einer unerwartet beendeten Sitzung aufbewahrt (%2).

Wiederherstellen?</translation>
    </message>
    <message>
        <source>The file itself no longer exists: the restored document is saved under a new name.</source>
        <translation>Die Datei selbst existiert nicht mehr: Das wiederhergestellte Dokument wird unter einem neuen Namen gespeichert.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Decide later</source>
        <translation>Später entscheiden</translation>
    </message>
    <message>
        <source>The file %1 was changed on disk since this document was opened or last saved.

Overwrite it with this document?</source>
        <translation>Die Datei %1 wurde auf der Festplatte geändert, seit dieses Dokument geöffnet oder zuletzt gespeichert wurde.

Mit diesem Dokument überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>The file %1 was deleted or moved by another program.

The document stays open here; saving it writes the file again.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm gelöscht oder verschoben.

Das Dokument bleibt hier geöffnet; Speichern schreibt die Datei neu.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>The file %1 was changed on disk by another program, and this document has unsaved changes.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm auf der Festplatte geändert, und dieses Dokument hat nicht gespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Reload and lose my changes</source>
        <translation>Neu laden und meine Änderungen verwerfen</translation>
    </message>
    <message>
        <source>xdp file not saved.</source>
        <translation>xdp-Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>The file was changed on disk and has been read again.</source>
        <translation>Die Datei wurde auf der Festplatte geändert und neu eingelesen.</translation>
    </message>
    <message>
        <source>Unsaved changes restored; save them to keep them.</source>
        <translation>Nicht gespeicherte Änderungen wiederhergestellt; speichern Sie sie, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>QADocumentLock</name>
    <message>
        <source>process %1 on %2</source>
        <translation>Prozess %1 auf %2</translation>
    </message>
</context>
<context>
    <name>QAFctViewer</name>
    <message>
        <source>Comment for &quot;%1&quot; node </source>
        <extracomment>used to display title on comment window, %1 is the subject of the comment</extracomment>
        <translation>Kommentar zum Knoten „%1“ </translation>
    </message>
</context>
<context>
    <name>QAFreeText</name>
    <message>
        <source>Enter text here:</source>
        <extracomment>used in Add ASCII file window</extracomment>
        <translation>Text hier eingeben:</translation>
    </message>
    <message>
        <source>Comment for &quot;%1&quot; node:</source>
        <translation>Kommentar zum Knoten „%1“:</translation>
    </message>
</context>
<context>
    <name>QAIsViewer</name>
    <message>
        <source>KEY</source>
        <comment>head of the basic setting key names</comment>
        <translation>SCHLÜSSEL</translation>
    </message>
    <message>
        <source>VALUE</source>
        <comment>head of the basic setting key values</comment>
        <translation>WERT</translation>
    </message>
    <message>
        <source>Add...</source>
        <comment>button name to add a new basic setting key</comment>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>button name to remove a basic setting key</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <comment>button name to move a basic setting key</comment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <comment>button name to move a basic setting key</comment>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Comment for &quot;%1&quot; item:</source>
        <translation>Kommentar zum Eintrag „%1“:</translation>
    </message>
    <message>
        <source>Moravel Editor</source>
        <comment>error window title</comment>
        <translation>Moravel-Editor</translation>
    </message>
    <message>
        <source>A new key is made as a copy of an existing key, and this group has none.</source>
        <comment>error window text</comment>
        <translation>Ein neuer Schlüssel entsteht als Kopie eines vorhandenen Schlüssels, und diese Gruppe hat keinen.</translation>
    </message>
    <message>
        <source>New Key</source>
        <comment>add key window title</comment>
        <translation>Neuer Schlüssel</translation>
    </message>
    <message>
        <source>Enter the name of the new key:</source>
        <comment>add key window text</comment>
        <translation>Name des neuen Schlüssels:</translation>
    </message>
    <message>
        <source>This key already exists, You must enter another key.</source>
        <comment>error window text</comment>
        <translation>Diesen Schlüssel gibt es schon. Bitte geben Sie einen anderen Schlüssel ein.</translation>
    </message>
    <message>
        <source>*** empty ***</source>
        <comment>empty key value</comment>
        <translation>*** leer ***</translation>
    </message>
    <message>
        <source>Comment for &quot;%1&quot; node:</source>
        <translation>Kommentar zum Knoten „%1“:</translation>
    </message>
    <message>
        <source>Added key %1</source>
        <translation>Schlüssel %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Removed key %1</source>
        <translation>Schlüssel %1 entfernt</translation>
    </message>
    <message>
        <source>Moved key %1 up</source>
        <translation>Schlüssel %1 nach oben verschoben</translation>
    </message>
    <message>
        <source>Moved key %1 down</source>
        <translation>Schlüssel %1 nach unten verschoben</translation>
    </message>
    <message>
        <source>Renamed key %1 to %2</source>
        <translation>Schlüssel %1 in %2 umbenannt</translation>
    </message>
    <message>
        <source>Changed the value of %1</source>
        <translation>Wert von %1 geändert</translation>
    </message>
</context>
<context>
    <name>QAItemViewer</name>
    <message>
        <source>Comment for &quot;%1&quot; node:</source>
        <translation>Kommentar zum Knoten „%1“:</translation>
    </message>
    <message>
        <source>Comment for &quot;%1&quot; item:</source>
        <translation>Kommentar zum Eintrag „%1“:</translation>
    </message>
</context>
<context>
    <name>QAMainWindowEditor</name>
    <message>
        <source>Find in the whole document</source>
        <translation>Im ganzen Dokument suchen</translation>
    </message>
    <message>
        <source>F&amp;ind in Document...</source>
        <translation>Im Dokument s&amp;uchen...</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save and Generate the current file</source>
        <translation>Aktuelle Datei speichern und generieren</translation>
    </message>
    <message>
        <source>&amp;Save &amp;&amp; Generate</source>
        <translation>&amp;Speichern &amp;&amp; Generieren</translation>
    </message>
    <message>
        <source>Save the current xdp file with a new name</source>
        <translation>Aktuelle xdp-Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Save xdp &amp;As...</source>
        <translation>xdp speichern &amp;unter...</translation>
    </message>
    <message>
        <source>save &amp; Generate the current ZYN somewhere else</source>
        <translation>Aktuelles ZYN speichern und an anderer Stelle generieren</translation>
    </message>
    <message>
        <source>Save &amp;&amp; &amp;Generate ZYN In...</source>
        <translation>Speichern &amp;&amp; &amp;Generieren in...</translation>
    </message>
    <message>
        <source>Export to text file</source>
        <translation>In Textdatei exportieren</translation>
    </message>
    <message>
        <source>&amp;Export to text file...</source>
        <translation>In Textdatei &amp;exportieren...</translation>
    </message>
    <message>
        <source>Exit </source>
        <translation>Beenden: </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Undo previous command</source>
        <translation>Letzten Befehl rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Redo previous undo command</source>
        <translation>Rückgängig gemachten Befehl wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cut the selected text and put it in the clipboard</source>
        <translation>Markierten Text ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selected text and put it in the clipboard</source>
        <translation>Markierten Text in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Insert clipboard contents</source>
        <translation>Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete the current selection</source>
        <translation>Aktuelle Auswahl löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Click this button to search for the text entered in the box next to this button.&lt;br&gt;&lt;br&gt;You can also select the &lt;b&gt;Find&lt;/b&gt; command from the Edit menu.</source>
        <translation>Klicken Sie auf diese Schaltfläche, um den Text im Feld daneben zu suchen.&lt;br&gt;&lt;br&gt;Sie können auch den Befehl &lt;b&gt;Suchen&lt;/b&gt; im Menü Bearbeiten wählen.</translation>
    </message>
    <message>
        <source>&amp;Find Next in doc</source>
        <translation>Weiter&amp;suchen in der Doku</translation>
    </message>
    <message>
        <source>Click this button to set preferences </source>
        <translation>Klicken Sie auf diese Schaltfläche, um die Einstellungen festzulegen </translation>
    </message>
    <message>
        <source>Pre&amp;ferences</source>
        <translation>Einstellu&amp;ngen</translation>
    </message>
    <message>
        <source>Select the entire contents of the current file</source>
        <translation>Gesamten Inhalt der aktuellen Datei auswählen</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Open online documentation</source>
        <translation>Online-Dokumentation öffnen</translation>
    </message>
    <message>
        <source>&amp;Moravel Guide</source>
        <translation>&amp;Moravel-Handbuch</translation>
    </message>
    <message>
        <source>Product Home Page</source>
        <translation>Produkt-Homepage</translation>
    </message>
    <message>
        <source>Moravels</source>
        <translation>Moravels</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Velmora Software Home Page</source>
        <translation>Homepage von Velmora Software</translation>
    </message>
    <message>
        <source>Show product information, version number and copyright</source>
        <translation>Produktinformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>Ü&amp;ber </translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source> on the Web</source>
        <translation> im Web</translation>
    </message>
    <message>
        <source>Find</source>
        <comment>Find bar</comment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Impossible to find the directory doc in the install directory.</source>
        <translation>Das Verzeichnis doc wurde im Installationsverzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>Impossible to find the file kvn_web.properties in the install directory.</source>
        <translation>Die Datei kvn_web.properties wurde im Installationsverzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="vanished">Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>QANewZynDlg</name>
    <message>
        <source>Moravel Language Selection</source>
        <translation>Moravel-Sprachauswahl</translation>
    </message>
    <message>
        <source>Select the language of your new Moravel:</source>
        <translation>Wählen Sie die Sprache Ihres neuen Moravel:</translation>
    </message>
    <message>
        <source>C/C++</source>
        <translation>C/C++</translation>
    </message>
    <message>
        <source>Ada/Ada83</source>
        <translation>Ada/Ada83</translation>
    </message>
    <message>
        <source>J2SE</source>
        <translation>J2SE</translation>
    </message>
    <message>
        <source>J2ME</source>
        <translation>J2ME</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>open window</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>open window</comment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QARootNode</name>
    <message>
        <source>&amp;Rename</source>
        <comment>popup menu</comment>
        <translation>&amp;Umbenennen</translation>
    </message>
</context>
<context>
    <name>QAUserLibrary</name>
    <message>
        <source>The installation has no target directory %1.</source>
        <translation>Die Installation hat kein Zielverzeichnis %1.</translation>
    </message>
    <message>
        <source>Cannot create %1.</source>
        <translation>%1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>%1 kann nicht nach %2 kopiert werden.</translation>
    </message>
</context>
<context>
    <name>QAZYNVersion</name>
    <message>
        <source>The script did not end within %1 s and was stopped.</source>
        <translation>Das Skript war nach %1 s nicht fertig und wurde beendet.</translation>
    </message>
    <message>
        <source>Unable to run command</source>
        <translation>Befehl kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>Editor XDP version not supported by script</source>
        <translation>Die XDP-Version des Editors wird vom Skript nicht unterstützt</translation>
    </message>
    <message>
        <source>Get Version List failed :
 </source>
        <translation>Abfrage der Versionsliste fehlgeschlagen:
 </translation>
    </message>
    <message>
        <source>Update failed : </source>
        <translation>Aktualisierung fehlgeschlagen: </translation>
    </message>
</context>
<context>
    <name>QAZynAboutDialog</name>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QAZynDocBrowser</name>
    <message>
        <source>Find next occurence</source>
        <translation>Nächstes Vorkommen suchen</translation>
    </message>
    <message>
        <source>Search hit bottom, continuing at top</source>
        <translation>Ende erreicht, Suche wird am Anfang fortgesetzt</translation>
    </message>
</context>
<context>
    <name>QAGenerateInPolicy</name>
    <message>
        <source>This document asks to generate its files in
%1
where you have not generated before. Files there may be replaced.</source>
        <translation>Dieses Dokument möchte seine Dateien erzeugen in
%1
wo Sie bisher nichts erzeugt haben. Dortige Dateien können ersetzt werden.</translation>
    </message>
    <message>
        <source>&amp;Use It</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>Use the &amp;Default</source>
        <translation>&amp;Standard verwenden</translation>
    </message>
    <message>
        <source>&amp;Choose Another...</source>
        <translation>&amp;Anderes wählen...</translation>
    </message>
    <message>
        <source>Generate ZYN In</source>
        <translation>ZYN generieren in</translation>
    </message>
</context>
<context>
    <name>QAZynDocumentSession</name>
    <message>
        <source>Moravel files ( *.xdp)</source>
        <translation>Moravel-Dateien ( *.xdp)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export xdp In</source>
        <translation>xdp exportieren nach</translation>
    </message>
    <message>
        <source>Save xdp As</source>
        <translation>xdp speichern unter</translation>
    </message>
    <message>
        <source>The name of a .xdp file cannot contain one of the following characters:</source>
        <translation>Der Name einer .xdp-Datei darf keines der folgenden Zeichen enthalten:</translation>
    </message>
    <message>
        <source>The file %1 already exists.
 Do you want to replace it?</source>
        <translation>Die Datei %1 gibt es schon.
 Wollen Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Generate ZYN In</source>
        <translation>ZYN generieren in</translation>
    </message>
    <message>
        <source>

You don&apos;t have the access right to read this .xdp file.</source>
        <translation>

Sie haben kein Recht, diese .xdp-Datei zu lesen.</translation>
    </message>
    <message>
        <source>Loading file...</source>
        <translation>Datei wird geladen...</translation>
    </message>
    <message>
        <source>File loaded.</source>
        <translation>Datei geladen.</translation>
    </message>
    <message>
        <source>This xdp file does not correspond to the current version. It requires an update to be edited.</source>
        <translation>Diese xdp-Datei entspricht nicht der aktuellen Version. Sie muss aktualisiert werden, bevor sie bearbeitet werden kann.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t edit</source>
        <translation>Nicht bearbeiten</translation>
    </message>
    <message>
        <source>Error updating ZYN file, cancel load</source>
        <translation>Fehler beim Aktualisieren der ZYN-Datei, Laden abgebrochen</translation>
    </message>
    <message>
        <source>Unknown version for ZYN file, can&apos;t edit</source>
        <translation>Unbekannte Version der ZYN-Datei, Bearbeiten nicht möglich</translation>
    </message>
    <message>
        <source>ZYN file is newer than editor, please update your editor</source>
        <translation>Die ZYN-Datei ist neuer als der Editor, bitte aktualisieren Sie den Editor</translation>
    </message>
    <message>
        <source>ERROR: cannot load the file.</source>
        <translation>FEHLER: Die Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Saving file...</source>
        <translation>Datei wird gespeichert...</translation>
    </message>
    <message>
        <source>xdp file not saved.</source>
        <translation>xdp-Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>ERROR: cannot save the file.</source>
        <translation>FEHLER: Die Datei kann nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>xdp file saved; %n character(s) that XML cannot hold were left out.</source>
        <translation>
            <numerusform>xdp-Datei gespeichert; %n Zeichen, das XML nicht aufnehmen kann, wurde weggelassen.</numerusform>
            <numerusform>xdp-Datei gespeichert; %n Zeichen, die XML nicht aufnehmen kann, wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>xdp file saved.</source>
        <translation>xdp-Datei gespeichert.</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Save changes to </source>
        <translation>Änderungen speichern an </translation>
    </message>
    <message>
        <source> cannot be overwritten.
 Please select another file.</source>
        <translation> kann nicht überschrieben werden.
 Bitte wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>QAZynEditor</name>
    <message>
        <source>Generate in: </source>
        <translation>Generieren in: </translation>
    </message>
</context>
<context>
    <name>QAZynEditorTree</name>
    <message>
        <source>A binary file is already being added; wait until it is done.</source>
        <translation>Es wird schon eine Binärdatei hinzugefügt; warten Sie, bis das erledigt ist.</translation>
    </message>
    <message>
        <source>Add a Binary File</source>
        <translation>Binärdatei hinzufügen</translation>
    </message>
    <message>
        <source>Binary files (*)</source>
        <comment>open binary file filter</comment>
        <translation>Binärdateien (*)</translation>
    </message>
    <message>
        <source>Binary file added.</source>
        <translation>Binärdatei hinzugefügt.</translation>
    </message>
    <message>
        <source>ERROR: binary file not added: its place in the tree was removed.</source>
        <translation>FEHLER: Binärdatei nicht hinzugefügt: Ihr Platz im Baum wurde entfernt.</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Renamed %1 to %2</source>
        <translation>%1 in %2 umbenannt</translation>
    </message>
</context>
<context>
    <name>QAZynErrorDialog</name>
    <message>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QAZynScriptRun</name>
    <message>
        <source>ERROR: cannot generate all the Moravel files.</source>
        <translation>FEHLER: Die Moravel-Dateien können nicht alle generiert werden.</translation>
    </message>
    <message>
        <source>ZYN Files saved.</source>
        <translation>ZYN-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>ERROR during saving file.</source>
        <translation>FEHLER beim Speichern der Datei.</translation>
    </message>
    <message>
        <source>ERROR: cannot export this Moravel (xdp) file.</source>
        <translation>FEHLER: Diese Moravel-Datei (xdp) kann nicht exportiert werden.</translation>
    </message>
    <message>
        <source>xdp file exported.</source>
        <translation>xdp-Datei exportiert.</translation>
    </message>
    <message>
        <source>ERROR during export file.</source>
        <translation>FEHLER beim Exportieren der Datei.</translation>
    </message>
    <message>
        <source>Generate ZYN...</source>
        <translation>ZYN wird generiert...</translation>
    </message>
    <message>
        <source>Unable to run command</source>
        <translation>Befehl kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>A script is still running; the editor closes when it has ended.
Cancel stops the script.</source>
        <translation>Ein Skript läuft noch; der Editor schließt sich, sobald es beendet ist.
Abbrechen beendet das Skript.</translation>
    </message>
</context>
<context>
    <name>QAZynTextEdit</name>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find next occurence</source>
        <translation>Nächstes Vorkommen suchen</translation>
    </message>
    <message>
        <source>go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Goto line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Please enter the line number</source>
        <translation>Bitte geben Sie die Zeilennummer ein</translation>
    </message>
</context>
<context>
    <name>QAZynWaitDlg</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QAzynFindDialog</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Wildcard</source>
        <translation>&amp;Ganzes Wort</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QAzynPrefDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help url to Corvin info center:</source>
        <translation>Hilfe-URL des Corvin-Infocenters:</translation>
    </message>
    <message>
        <source>Help Browser:</source>
        <translation>Hilfe-Browser:</translation>
    </message>
    <message>
        <source>Start local server</source>
        <translation>Lokalen Server starten</translation>
    </message>
    <message>
        <source>Class path for the Help plugin for the local server:</source>
        <translation>Klassenpfad des Hilfe-Plugins für den lokalen Server:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XDP Labels</name>
    <message>
        <source>Comment for &quot;%1&quot; node:</source>
        <translation>Kommentar zum Knoten „%1“:</translation>
    </message>
    <message>
        <source>Target Deployment Port</source>
        <translation>Zielplattform-Anpassung</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Ada 95</source>
        <translation>Ada 95</translation>
    </message>
    <message>
        <source>Source Extensions</source>
        <translation>Quelltext-Endungen</translation>
    </message>
    <message>
        <source>Object Extension</source>
        <translation>Objektdatei-Endung</translation>
    </message>
    <message>
        <source>Executable Extension</source>
        <translation>Programm-Endung</translation>
    </message>
    <message>
        <source>Source Search Paths</source>
        <translation>Quelltext-Suchpfade</translation>
    </message>
    <message>
        <source>Preprocessor Symbols</source>
        <translation>Präprozessor-Symbole</translation>
    </message>
    <message>
        <source>Compiler Switches</source>
        <translation>Compiler-Schalter</translation>
    </message>
    <message>
        <source>Linker Switches</source>
        <translation>Linker-Schalter</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliotheken</translation>
    </message>
    <message>
        <source>Ada 83</source>
        <translation>Ada 83</translation>
    </message>
    <message>
        <source>Build Commands</source>
        <translation>Build-Befehle</translation>
    </message>
    <message>
        <source>Common Perl Functions</source>
        <translation>Gemeinsame Perl-Funktionen</translation>
    </message>
    <message>
        <source>Preprocessing</source>
        <translation>Präprozessor-Lauf</translation>
    </message>
    <message>
        <source>Compilation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Bind and Link</source>
        <translation>Binden und Linken</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Execute under Debugger</source>
        <translation>Im Debugger ausführen</translation>
    </message>
    <message>
        <source>Runtime Library Configuration</source>
        <translation>Konfiguration der Laufzeitbibliothek</translation>
    </message>
    <message>
        <source>Context Clauses of the Runtime</source>
        <translation>Kontextklauseln der Laufzeit</translation>
    </message>
    <message>
        <source>Context Clauses of the I/O Package</source>
        <translation>Kontextklauseln des E/A-Pakets</translation>
    </message>
    <message>
        <source>Declarations of the I/O Package</source>
        <translation>Deklarationen des E/A-Pakets</translation>
    </message>
    <message>
        <source>Runtime Types</source>
        <translation>Laufzeit-Typen</translation>
    </message>
    <message>
        <source>Runtime Constants</source>
        <translation>Laufzeit-Konstanten</translation>
    </message>
    <message>
        <source>Compiler Specifics</source>
        <translation>Compiler-Besonderheiten</translation>
    </message>
    <message>
        <source>Data Types</source>
        <translation>Datentypen</translation>
    </message>
    <message>
        <source>Input/Output</source>
        <translation>Ein-/Ausgabe</translation>
    </message>
    <message>
        <source>Context Clauses of the I/O Body</source>
        <translation>Kontextklauseln des E/A-Rumpfs</translation>
    </message>
    <message>
        <source>Declarations of the I/O Body</source>
        <translation>Deklarationen des E/A-Rumpfs</translation>
    </message>
    <message>
        <source>Open Trace File</source>
        <translation>Trace-Datei öffnen</translation>
    </message>
    <message>
        <source>Write Trace Line</source>
        <translation>Trace-Zeile schreiben</translation>
    </message>
    <message>
        <source>Close Trace File</source>
        <translation>Trace-Datei schließen</translation>
    </message>
    <message>
        <source>Error Messages</source>
        <translation>Fehlermeldungen</translation>
    </message>
    <message>
        <source>Error Output</source>
        <translation>Fehlerausgabe</translation>
    </message>
    <message>
        <source>Additional Code of the I/O Body</source>
        <translation>Zusätzlicher Code des E/A-Rumpfs</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Read Clock</source>
        <translation>Uhr lesen</translation>
    </message>
    <message>
        <source>Date of Run</source>
        <translation>Datum des Laufs</translation>
    </message>
    <message>
        <source>Tasking</source>
        <translation>Tasking</translation>
    </message>
    <message>
        <source>Task Support</source>
        <translation>Task-Unterstützung</translation>
    </message>
    <message>
        <source>Lock Body</source>
        <translation>Rumpf der Sperre</translation>
    </message>
    <message>
        <source>Task Settings</source>
        <translation>Task-Einstellungen</translation>
    </message>
    <message>
        <source>Runtime Functions</source>
        <translation>Laufzeit-Funktionen</translation>
    </message>
    <message>
        <source>Runtime Initialisation</source>
        <translation>Initialisierung der Laufzeit</translation>
    </message>
    <message>
        <source>Target Restrictions</source>
        <translation>Einschränkungen des Ziels</translation>
    </message>
    <message>
        <source>Code After the Runtime</source>
        <translation>Code nach der Laufzeit</translation>
    </message>
    <message>
        <source>Parser Configuration</source>
        <translation>Parser-Konfiguration</translation>
    </message>
    <message>
        <source>Source Analysis Settings</source>
        <translation>Einstellungen der Quelltextanalyse</translation>
    </message>
    <message>
        <source>Package Standard (Ada 83)</source>
        <translation>Paket Standard (Ada 83)</translation>
    </message>
    <message>
        <source>Package Standard (Ada 95)</source>
        <translation>Paket Standard (Ada 95)</translation>
    </message>
    <message>
        <source>Package System (Ada 83)</source>
        <translation>Paket System (Ada 83)</translation>
    </message>
    <message>
        <source>Package System (Ada 95)</source>
        <translation>Paket System (Ada 95)</translation>
    </message>
    <message>
        <source>C Language</source>
        <translation>Sprache C</translation>
    </message>
    <message>
        <source>Assembler Extensions</source>
        <translation>Assembler-Endungen</translation>
    </message>
    <message>
        <source>Include Paths</source>
        <translation>Include-Pfade</translation>
    </message>
    <message>
        <source>Defines</source>
        <translation>Definitionen</translation>
    </message>
    <message>
        <source>Preprocessor Flags</source>
        <translation>Präprozessor-Optionen</translation>
    </message>
    <message>
        <source>Compiler Flags</source>
        <translation>Compiler-Optionen</translation>
    </message>
    <message>
        <source>C++ Language</source>
        <translation>Sprache C++</translation>
    </message>
    <message>
        <source>All Languages</source>
        <translation>Alle Sprachen</translation>
    </message>
    <message>
        <source>Linker Flags</source>
        <translation>Linker-Optionen</translation>
    </message>
    <message>
        <source>Library Paths</source>
        <translation>Bibliothekspfade</translation>
    </message>
    <message>
        <source>Assembler</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Linken</translation>
    </message>
    <message>
        <source>Code Before Instrumented Sources</source>
        <translation>Code vor instrumentierten Quelltexten</translation>
    </message>
    <message>
        <source>Code Before the Runtime</source>
        <translation>Code vor der Laufzeit</translation>
    </message>
    <message>
        <source>Code Before Instrumented and Generated Sources</source>
        <translation>Code vor instrumentierten und generierten Quelltexten</translation>
    </message>
    <message>
        <source>Preprocessing Specifics</source>
        <translation>Präprozessor-Besonderheiten</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Bindung</translation>
    </message>
    <message>
        <source>C++ Specifics</source>
        <translation>C++-Besonderheiten</translation>
    </message>
    <message>
        <source>Application Specifics</source>
        <translation>Anwendungs-Besonderheiten</translation>
    </message>
    <message>
        <source>Return of main</source>
        <translation>Rückgabe von main</translation>
    </message>
    <message>
        <source>Program Termination</source>
        <translation>Programmende</translation>
    </message>
    <message>
        <source>Termination Function</source>
        <translation>Beendigungsfunktion</translation>
    </message>
    <message>
        <source>Testing Specifics</source>
        <translation>Test-Besonderheiten</translation>
    </message>
    <message>
        <source>System Testing</source>
        <translation>Systemtest</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>Rechnername</translation>
    </message>
    <message>
        <source>Fixed Host Name</source>
        <translation>Fester Rechnername</translation>
    </message>
    <message>
        <source>Rendezvous</source>
        <translation>Rendezvous</translation>
    </message>
    <message>
        <source>Rendezvous Server</source>
        <translation>Rendezvous-Server</translation>
    </message>
    <message>
        <source>Initialisation Support</source>
        <translation>Unterstützung der Initialisierung</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Beobachtungen</translation>
    </message>
    <message>
        <source>Dump at Exit</source>
        <translation>Ausgabe beim Beenden</translation>
    </message>
    <message>
        <source>Environment Access</source>
        <translation>Zugriff auf die Umgebung</translation>
    </message>
    <message>
        <source>Signal Handling</source>
        <translation>Signalbehandlung</translation>
    </message>
    <message>
        <source>Signal Handler</source>
        <translation>Signal-Handler</translation>
    </message>
    <message>
        <source>Dynamic Tracking</source>
        <translation>Dynamische Verfolgung</translation>
    </message>
    <message>
        <source>Trace Output</source>
        <translation>Trace-Ausgabe</translation>
    </message>
    <message>
        <source>File Settings</source>
        <translation>Datei-Einstellungen</translation>
    </message>
    <message>
        <source>Trace Settings</source>
        <translation>Trace-Einstellungen</translation>
    </message>
    <message>
        <source>Formatted Output</source>
        <translation>Formatierte Ausgabe</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Runtime Heap</source>
        <translation>Laufzeit-Heap</translation>
    </message>
    <message>
        <source>Declarations</source>
        <translation>Deklarationen</translation>
    </message>
    <message>
        <source>Pool Settings</source>
        <translation>Pool-Einstellungen</translation>
    </message>
    <message>
        <source>Allocation</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Memory Copy</source>
        <translation>Speicherkopie</translation>
    </message>
    <message>
        <source>Multithreading</source>
        <translation>Multithreading</translation>
    </message>
    <message>
        <source>Thread Support</source>
        <translation>Thread-Unterstützung</translation>
    </message>
    <message>
        <source>Thread Declarations</source>
        <translation>Thread-Deklarationen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Thread Settings</source>
        <translation>Thread-Einstellungen</translation>
    </message>
    <message>
        <source>Initialisation Call</source>
        <translation>Initialisierungsaufruf</translation>
    </message>
    <message>
        <source>Start-up Function</source>
        <translation>Startfunktion</translation>
    </message>
    <message>
        <source>String Functions</source>
        <translation>Zeichenkettenfunktionen</translation>
    </message>
    <message>
        <source>Floating Point</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>Component Testing</source>
        <translation>Komponententest</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Cycle Counter</source>
        <translation>Taktzähler</translation>
    </message>
    <message>
        <source>Trace Filters</source>
        <translation>Trace-Filter</translation>
    </message>
    <message>
        <source>Filter Function</source>
        <translation>Filterfunktion</translation>
    </message>
    <message>
        <source>C/C++ Front End</source>
        <translation>C/C++-Frontend</translation>
    </message>
    <message>
        <source>C Parser Options</source>
        <translation>Optionen des C-Parsers</translation>
    </message>
    <message>
        <source>C++ Parser Options</source>
        <translation>Optionen des C++-Parsers</translation>
    </message>
    <message>
        <source>Java</source>
        <translation>Java</translation>
    </message>
    <message>
        <source>Class Extension</source>
        <translation>Klassendatei-Endung</translation>
    </message>
    <message>
        <source>Compiler Options</source>
        <translation>Compiler-Optionen</translation>
    </message>
    <message>
        <source>Boot Class Path</source>
        <translation>Boot-Klassenpfad</translation>
    </message>
    <message>
        <source>Preverify and Package</source>
        <translation>Vorprüfen und Verpacken</translation>
    </message>
    <message>
        <source>Java Runtime</source>
        <translation>Java-Laufzeit</translation>
    </message>
    <message>
        <source>Imports</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Early Initialisation</source>
        <translation>Frühe Initialisierung</translation>
    </message>
    <message>
        <source>Start Hook</source>
        <translation>Start-Hook</translation>
    </message>
    <message>
        <source>Trace Retrieval</source>
        <translation>Trace-Abruf</translation>
    </message>
    <message>
        <source>HTTP Settings</source>
        <translation>HTTP-Einstellungen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Clock Method</source>
        <translation>Uhr-Methode</translation>
    </message>
    <message>
        <source>JVMPI Agent</source>
        <translation>JVMPI-Agent</translation>
    </message>
    <message>
        <source>Heap Events</source>
        <translation>Heap-Ereignisse</translation>
    </message>
    <message>
        <source>Agent Output</source>
        <translation>Agent-Ausgabe</translation>
    </message>
    <message>
        <source>Agent Build Command</source>
        <translation>Build-Befehl des Agenten</translation>
    </message>
    <message>
        <source>Java Test Parser Settings</source>
        <translation>Einstellungen des Java-Testparsers</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>Quelltextpfad</translation>
    </message>
    <message>
        <source>Class Path</source>
        <translation>Klassenpfad</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Shutdown Hook</source>
        <translation>Shutdown-Hook</translation>
    </message>
    <message>
        <source>Socket Settings</source>
        <translation>Socket-Einstellungen</translation>
    </message>
    <message>
        <source>Code Before the Agent</source>
        <translation>Code vor dem Agenten</translation>
    </message>
    <message>
        <source>Heap Settings</source>
        <translation>Heap-Einstellungen</translation>
    </message>
    <message>
        <source>Write Line</source>
        <translation>Zeile schreiben</translation>
    </message>
    <message>
        <source>Agent Errors</source>
        <translation>Agent-Fehler</translation>
    </message>
    <message>
        <source>Time in Milliseconds</source>
        <translation>Zeit in Millisekunden</translation>
    </message>
    <message>
        <source>Clock Function</source>
        <translation>Uhr-Funktion</translation>
    </message>
    <message>
        <source>Socket Support</source>
        <translation>Socket-Unterstützung</translation>
    </message>
    <message>
        <source>Code After the Agent</source>
        <translation>Code nach dem Agenten</translation>
    </message>
    <message>
        <source>JNI Code Parser Options</source>
        <translation>Optionen des JNI-Code-Parsers</translation>
    </message>
    <message>
        <source>Lock Declaration</source>
        <translation>Deklaration der Sperre</translation>
    </message>
</context>
<context>
    <name>xdp</name>
    <message>
        <source>Runtime Types</source>
        <translation>Laufzeit-Typen</translation>
    </message>
    <message>
        <source>Runtime Constants</source>
        <translation>Laufzeit-Konstanten</translation>
    </message>
    <message>
        <source>Data Types</source>
        <translation>Datentypen</translation>
    </message>
    <message>
        <source>Target Restrictions</source>
        <translation>Einschränkungen des Ziels</translation>
    </message>
    <message>
        <source>Preprocessing Specifics</source>
        <translation>Präprozessor-Besonderheiten</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Bindung</translation>
    </message>
    <message>
        <source>C++ Specifics</source>
        <translation>C++-Besonderheiten</translation>
    </message>
    <message>
        <source>Return of main</source>
        <translation>Rückgabe von main</translation>
    </message>
    <message>
        <source>Initialisation Support</source>
        <translation>Unterstützung der Initialisierung</translation>
    </message>
    <message>
        <source>Dynamic Tracking</source>
        <translation>Dynamische Verfolgung</translation>
    </message>
    <message>
        <source>Trace Settings</source>
        <translation>Trace-Einstellungen</translation>
    </message>
    <message>
        <source>Formatted Output</source>
        <translation>Formatierte Ausgabe</translation>
    </message>
    <message>
        <source>String Functions</source>
        <translation>Zeichenkettenfunktionen</translation>
    </message>
    <message>
        <source>Floating Point</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>Component Testing</source>
        <translation>Komponententest</translation>
    </message>
</context>
<context>
    <name>zyneditor</name>
    <message>
        <source> Install Library Files Error</source>
        <translation> Fehler beim Installieren der Bibliotheksdateien</translation>
    </message>
</context>
<context>
    <name>QAFindBar</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Find in document</source>
        <translation>Im Dokument suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>QAFindInDocument</name>
    <message>
        <source>Find in Document</source>
        <translation>Im Dokument suchen</translation>
    </message>
</context>
<context>
    <name>QAFindResults</name>
    <message>
        <source>Matches in the document</source>
        <translation>Treffer im Dokument</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Prototype</source>
        <translation>Prototyp</translation>
    </message>
    <message>
        <source>Closing line</source>
        <translation>Schlusszeile</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Registerkarte</translation>
    </message>
</context>
<context>
    <name>QADocumentEditor</name>
    <message>
        <source>Typed in the comment of %1</source>
        <translation>Im Kommentar von %1 getippt</translation>
    </message>
    <message>
        <source>Typed in %1</source>
        <translation>In %1 getippt</translation>
    </message>
</context>
<context>
    <name>QABinaryMacro</name>
    <message>
        <source>Switched %1 on</source>
        <translation>%1 eingeschaltet</translation>
    </message>
    <message>
        <source>Switched %1 off</source>
        <translation>%1 ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>QAOptionnalMacro</name>
    <message>
        <source>Defined %1</source>
        <translation>%1 definiert</translation>
    </message>
    <message>
        <source>Undefined %1</source>
        <translation>%1 nicht mehr definiert</translation>
    </message>
    <message>
        <source>Typed in %1</source>
        <translation>In %1 getippt</translation>
    </message>
</context>
<context>
    <name>QAHistoryDock</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Document opened</source>
        <translation>Dokument geöffnet</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
</context>
</TS>

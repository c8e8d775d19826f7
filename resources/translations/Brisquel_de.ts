<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Free for personal use.</source>
        <translation>Kostenlos für den privaten Gebrauch.</translation>
    </message>
    <message>
        <source>Standard Edition %1</source>
        <translation>Standard-Edition %1</translation>
    </message>
    <message>
        <source>Contact: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</source>
        <translation>Kontakt: &lt;a style=&quot;color:#ffffff&quot; href=&quot;mailto:support@lumacrest.invalid&quot;&gt;support@lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</source>
        <translation>Web: &lt;a style=&quot;color:#ffffff&quot; href=&quot;https://lumacrest.invalid/&quot;&gt;lumacrest.invalid&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 nicht gefunden</translation>
    </message>
    <message>
        <source>no output file</source>
        <translation>keine Ausgabedatei</translation>
    </message>
    <message>
        <source>output file empty</source>
        <translation>Ausgabedatei ist leer</translation>
    </message>
    <message>
        <source>output file not written</source>
        <translation>Ausgabedatei nicht geschrieben</translation>
    </message>
    <message>
        <source>could not be started</source>
        <translation>konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>crashed</source>
        <translation>abgestürzt</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>Exit-Code %1</translation>
    </message>
    <message>
        <source>the output could not be put in place: %1</source>
        <translation>die Ausgabe konnte nicht an ihren Platz gebracht werden: %1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Add media file to list</source>
        <translation>Mediendatei zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Lumacrest Project</source>
        <translation>Lumacrest-Projekt</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>Datei fehlt: %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Keine reguläre Datei: %1</translation>
    </message>
    <message>
        <source>Cannot write a work file: %1</source>
        <translation>Arbeitsdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Subtitle file missing: %1</source>
        <translation>Untertiteldatei fehlt: %1</translation>
    </message>
    <message>
        <source>Subtitle file too large: %1</source>
        <translation>Untertiteldatei zu groß: %1</translation>
    </message>
    <message>
        <source>Cannot read the subtitle file: %1</source>
        <translation>Untertiteldatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Refers to other files: %1</source>
        <translation>Verweist auf andere Dateien: %1</translation>
    </message>
    <message>
        <source>Not a media file: %1</source>
        <translation>Keine Mediendatei: %1</translation>
    </message>
    <message>
        <source>Cannot read the picture: %1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Untertitel hinzufügen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Horizontal spiegeln </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>The video %1 cannot be read.</source>
        <translation>Das Video %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read.</source>
        <translation>Das Bild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The styled text cannot be added.</source>
        <translation>Der gestaltete Text kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Untertiteldatei öffnen</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Untertiteldatei (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Open Lumacrest Project</source>
        <translation>Lumacrest-Projekt öffnen</translation>
    </message>
    <message>
        <source>Lumacrest 4.x later Project(*.jxo)</source>
        <translation>Lumacrest-Projekt ab 4.x (*.jxo)</translation>
    </message>
    <message>
        <source>Save Lumacrest Project</source>
        <translation>Lumacrest-Projekt speichern</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>The source cannot be previewed: it has no picture size.</source>
        <translation>Die Quelle kann nicht in der Vorschau gezeigt werden: Sie hat keine Bildgröße.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The project %1 cannot be saved.</source>
        <translation>Das Projekt %1 kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read.</source>
        <translation>Die Untertiteldatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Layer %1: %2</source>
        <translation>Ebene %1: %2</translation>
    </message>
    <message>
        <source>The pictures of these layers cannot be read. Each is kept as a grey box of its saved size and saved again unchanged:</source>
        <translation>Die Bilder dieser Ebenen können nicht gelesen werden. Jede bleibt als graues Feld in ihrer gespeicherten Größe erhalten und wird unverändert wieder gespeichert:</translation>
    </message>
    <message>
        <source>These layers held damaged values, which were read as 0 or brought into range:</source>
        <translation>Diese Ebenen enthielten beschädigte Werte, die als 0 gelesen oder in den gültigen Bereich gebracht wurden:</translation>
    </message>
    <message>
        <source>The project %1 was opened with every layer.</source>
        <translation>Das Projekt %1 wurde mit allen Ebenen geöffnet.</translation>
    </message>
</context>
<context>
    <name>FileFolders</name>
    <message>
        <source>Choose an output folder first.</source>
        <translation>Wählen Sie zuerst einen Ausgabeordner.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Der Ausgabeordner „%1“ ist kein vollständiger Pfad. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a folder. Choose a folder.</source>
        <translation>Der Ausgabeordner „%1“ ist kein Ordner. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created. Choose another folder.</source>
        <translation>Der Ausgabeordner „%1“ kann nicht angelegt werden. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Nothing can be written into the output folder &quot;%1&quot;. Choose another folder.</source>
        <translation>In den Ausgabeordner „%1“ kann nichts geschrieben werden. Wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>Failed at %1%: %2</source>
        <translation>Fehlgeschlagen bei %1 %: %2</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nichts zum Zusammenfügen</translation>
    </message>
    <message>
        <source>Nothing to split</source>
        <translation>Nichts zum Teilen</translation>
    </message>
    <message>
        <source>Nothing to merge: no picture or sound</source>
        <translation>Nichts zum Zusammenfügen: weder Bild noch Ton</translation>
    </message>
    <message>
        <source>Paused: %1%</source>
        <translation>Pause: %1 %</translation>
    </message>
</context>
<context>
    <name>JxOFile</name>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Cannot open the project &quot;%1&quot;: %2</source>
        <translation>Das Projekt „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is too large.</source>
        <translation>Das Projekt „%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: it declares a document type or entities, which projects never do.</source>
        <translation>Das Projekt „%1“ wird abgelehnt: Es deklariert einen Dokumenttyp oder Entitäten, was Projekte nie tun.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is refused: its elements nest far deeper than in any project.</source>
        <translation>Das Projekt „%1“ wird abgelehnt: Seine Elemente sind weit tiefer verschachtelt als in jedem Projekt.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is damaged (line %2, column %3): %4</source>
        <translation>Das Projekt „%1“ ist beschädigt (Zeile %2, Spalte %3): %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project file.</source>
        <translation>„%1“ ist keine Projektdatei.</translation>
    </message>
    <message>
        <source>Cannot write the project &quot;%1&quot;: %2</source>
        <translation>Das Projekt „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Ein- und ausblenden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Ein- und ausblenden</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lumacrest</source>
        <translation>Lumacrest</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Als Untertitelspur hinzufügen</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Zum Umwandeln bereit</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Untertiteldatei hinzufügen</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Vorspann hinzufügen</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Abspann hinzufügen</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Lumacrest Standard Edition %1</source>
        <translation>Lumacrest Standard-Edition %1</translation>
    </message>
    <message>
        <source>Source File</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Anzahl der Teile</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Dauer jedes Teils</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Einen Abschnitt ausschneiden</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>You must restart Lumacrest to switch to the new language.
Do you want to restart now?</source>
        <translation>Lumacrest muss neu gestartet werden, um die neue Sprache zu verwenden.
Jetzt neu starten?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>Cannot be read: not a video or sound file</source>
        <translation>Nicht lesbar: keine Video- oder Audiodatei</translation>
    </message>
    <message>
        <source>Cannot be read: damaged or cut short</source>
        <translation>Nicht lesbar: beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>Cannot be read: no picture or sound in it</source>
        <translation>Nicht lesbar: enthält weder Bild noch Ton</translation>
    </message>
    <message>
        <source>Cannot be read: a still picture, not a video</source>
        <translation>Nicht lesbar: ein Standbild, kein Video</translation>
    </message>
    <message>
        <source>Cannot be read: it refers to other files</source>
        <translation>Nicht lesbar: verweist auf andere Dateien</translation>
    </message>
    <message>
        <source>Changed while it was read: %1</source>
        <translation>Beim Lesen geändert: %1</translation>
    </message>
    <message>
        <source>A file that is being converted cannot be removed from the list. Stop the conversion first.</source>
        <translation>Eine Datei, die gerade umgewandelt wird, kann nicht aus der Liste entfernt werden. Stoppen Sie zuerst die Umwandlung.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Mediendatei hinzufügen</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Musikdatei hinzufügen</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Untertiteldatei öffnen</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Untertiteldatei (*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS-Datei speichern</translation>
    </message>
    <message>
        <source>ASS File(*.ass);;SRT File(*.srt)</source>
        <translation>ASS-Datei (*.ass);;SRT-Datei (*.srt)</translation>
    </message>
    <message>
        <source>The subtitle file %1 could not be written.</source>
        <translation>Die Untertiteldatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Adding files to the list...</source>
        <translation>Dateien werden zur Liste hinzugefügt...</translation>
    </message>
    <message>
        <source>Preparing the layers...</source>
        <translation>Ebenen werden vorbereitet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add a title or ending clip</source>
        <translation>Vor- oder Abspann hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected clip</source>
        <translation>Ausgewählten Clip löschen</translation>
    </message>
    <message>
        <source>Move the selected clip up</source>
        <translation>Ausgewählten Clip nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected clip down</source>
        <translation>Ausgewählten Clip nach unten verschieben</translation>
    </message>
    <message>
        <source>Add the parts to the selected sources</source>
        <translation>Teile zu den ausgewählten Quelldateien hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected parts</source>
        <translation>Ausgewählte Teile löschen</translation>
    </message>
    <message>
        <source>Add a soundtrack file</source>
        <translation>Tonspurdatei hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected soundtrack file</source>
        <translation>Ausgewählte Tonspurdatei löschen</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file up</source>
        <translation>Ausgewählte Tonspurdatei nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the selected soundtrack file down</source>
        <translation>Ausgewählte Tonspurdatei nach unten verschieben</translation>
    </message>
    <message>
        <source>When checked, an output replaces an existing file of the same name in the output folder</source>
        <translation>Wenn aktiviert, ersetzt eine Ausgabe eine vorhandene gleichnamige Datei im Ausgabeordner</translation>
    </message>
    <message>
        <source>No file manager can show the folder &quot;%1&quot; on this desktop.</source>
        <translation>Auf diesem Desktop kann kein Dateimanager den Ordner „%1“ anzeigen.</translation>
    </message>
    <message>
        <source>These files cannot be added because their names are not valid text in the system&apos;s encoding. Rename them and add them again:
%1</source>
        <translation>Diese Dateien können nicht hinzugefügt werden, weil ihre Namen in der Zeichenkodierung des Systems kein gültiger Text sind. Benennen Sie sie um und fügen Sie sie erneut hinzu:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>MeltEngineJob</name>
    <message>
        <source>an input failed to load</source>
        <translation>eine Eingabe konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>melt made no progress</source>
        <translation>melt kommt nicht voran</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>output file unreadable</source>
        <translation>Ausgabedatei ist nicht lesbar</translation>
    </message>
    <message>
        <source>output has no picture</source>
        <translation>Ausgabe hat kein Bild</translation>
    </message>
    <message>
        <source>output has a picture it should not have</source>
        <translation>Ausgabe hat ein Bild, das sie nicht haben sollte</translation>
    </message>
    <message>
        <source>output has no sound</source>
        <translation>Ausgabe hat keinen Ton</translation>
    </message>
    <message>
        <source>output has sound it should not have</source>
        <translation>Ausgabe hat Ton, den sie nicht haben sollte</translation>
    </message>
    <message>
        <source>output lasts %1 s instead of %2 s</source>
        <translation>Ausgabe dauert %1 s statt %2 s</translation>
    </message>
    <message>
        <source>output&apos;s sound plays %1 s instead of %2 s</source>
        <translation>Ton der Ausgabe spielt %1 s statt %2 s</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Zeiten verschieben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>HH:mm:ss:zzz</source>
        <translation>HH:mm:ss:zzz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Ab der Auswahl</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Start- und Endzeiten</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Nur Startzeiten</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Nur Endzeiten</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Zeit kopieren</translation>
    </message>
</context>
<context>
    <name>PlayerLoader</name>
    <message>
        <source>The preview cannot play: the player (%1) is missing or damaged. Conversions still work; reinstall the program to preview videos.</source>
        <translation>Die Vorschau kann nicht abgespielt werden: Der Player (%1) fehlt oder ist beschädigt. Umwandlungen funktionieren weiterhin; installieren Sie das Programm neu, um Videos in der Vorschau zu sehen.</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Formatoptionen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Videoqualitätsmodus</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Breite und Höhe beibehalten</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Bildrate beibehalten</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Audiocodec beibehalten</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Lautstärke (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 hoch</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 niedrig</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The format settings could not be saved to %1.</source>
        <translation>Die Formateinstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Optionen (*.ini)</translation>
    </message>
    <message>
        <source>The format scheme could not be saved to %1.</source>
        <translation>Das Formatschema konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Diese Formatoptionen wirklich löschen?</translation>
    </message>
    <message>
        <source>The format scheme %1 could not be deleted.</source>
        <translation>Das Formatschema %1 konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The format scheme %1 does not exist. Nothing was changed.</source>
        <translation>Das Formatschema %1 existiert nicht. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The format scheme %1 cannot be read. Nothing was changed.</source>
        <translation>Das Formatschema %1 kann nicht gelesen werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged: it is not a settings file. Nothing was changed.</source>
        <translation>Das Formatschema %1 ist beschädigt: Es ist keine Einstellungsdatei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The format scheme %1 is damaged.</source>
        <translation>Das Formatschema %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>These settings are missing or not valid and take their default values: %1.</source>
        <translation>Diese Einstellungen fehlen oder sind ungültig und erhalten ihre Standardwerte: %1.</translation>
    </message>
    <message>
        <source>It names no known container: the output container was left as it was.</source>
        <translation>Es nennt kein bekanntes Containerformat: Das Ausgabeformat wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Alle unterstützten Mediendateien</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Alle unterstützten Videodateien</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Alle unterstützten Audiodateien</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Alle unterstützten Bilddateien</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Zeit kopieren</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Diese Ebene wirklich löschen?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Suchen/Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Ab der Auswahl</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RunArguments</name>
    <message>
        <source>The %1 container cannot hold %2 video.</source>
        <translation>Der Container %1 kann kein %2-Video aufnehmen.</translation>
    </message>
    <message>
        <source>The %1 container cannot hold %2 sound.</source>
        <translation>Der Container %1 kann keinen %2-Ton aufnehmen.</translation>
    </message>
    <message>
        <source>The sound of %1 is damaged or empty.</source>
        <translation>Der Ton von %1 ist beschädigt oder leer.</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Stil-Editor</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Gestrichen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Stildatei oder ASS-Datei öffnen</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Stil- oder ASS-Datei (*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>The file %1 holds no subtitle styles.</source>
        <translation>Die Datei %1 enthält keine Untertitelstile.</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Stildatei speichern</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Stildatei (*.sty)</translation>
    </message>
    <message>
        <source>The style file %1 cannot be written.</source>
        <translation>Die Stildatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Diesen Untertitel wirklich löschen?</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS-Datei speichern</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS-Datei (*.ass)</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be written.</source>
        <translation>Die Untertiteldatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SubtitleParser</name>
    <message>
        <source>The subtitle file %1 is larger than %2 MB; it is not read.</source>
        <translation>Die Untertiteldatei %1 ist größer als %2 MB und wird nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeiten verschieben</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Suchen/Ersetzen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
</context>
<context>
    <name>TimelineViewBlockItem</name>
    <message>
        <source>Text ABC</source>
        <translation>Text ABC</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Unable to write file %1
Perhaps you do not have permission.
Try again with a different folder.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.
Möglicherweise fehlt die Berechtigung.
Versuchen Sie es mit einem anderen Ordner.</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>The value you entered is very similar to the common,
more standard %1 = %2/1001.

Do you want to use %1 = %2/1001 instead?</source>
        <translation>Der eingegebene Wert liegt sehr nahe am üblichen,
standardmäßigeren Wert %1 = %2/1001.

Möchten Sie stattdessen %1 = %2/1001 verwenden?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Hintergrund aktivieren</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Abrundung</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Text Effect</source>
        <translation>Texteffekt</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Textleuchten</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Keine Kontur</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Einfache Kontur</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Doppelte Kontur</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Verlaufskontur</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Gradient Text</source>
        <translation>Verlaufstext</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Konturfarbe 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Stärke 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Deckkraft 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Konturfarbe 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Stärke 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Deckkraft 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Schatten aktivieren</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>VTextPropSheetDialog</name>
    <message>
        <source>Text Options</source>
        <translation>Textoptionen</translation>
    </message>
    <message>
        <source>Enter your own content here</source>
        <translation>Geben Sie hier Ihren Text ein</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Texteffekt</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>

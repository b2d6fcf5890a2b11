<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix, Version 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>Einstellungen der HD-Actionkamera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>Über Marlix</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>angekreuzt</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>nicht angekreuzt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1: %2 auf der Karte, %3 auf den Seiten</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>Messmethode</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Mehrfeld</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Sonnig</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Wolkig</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>Glühlampe</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Schärfe</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Hart</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Mode 1</source>
        <translation>Modus 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modus 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modus 3</translation>
    </message>
</context>
<context>
    <name>NewProfileDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>&amp;Name des neuen Profils:</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>Superfein</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 Sek.</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 Sek.</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 Sek.</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Sek.</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Sek.</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 Sek.</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 Sek.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Datum und Zeit</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>Fotoqualität</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>Selbstauslöser</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>Fotostempel</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SliderPosition</name>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>Netzfrequenz</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>Abschaltung</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 Min.</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>SD-Karte formatieren</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>Superfein</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Weit</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Eng</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 Seconds</source>
        <translation>1 Sek.</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 Sek.</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Sek.</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Sek.</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 Sek.</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 Sek.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Datum und Zeit</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>Bildwinkel</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>Videostempel</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>Autoaufnahme</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>Loop-Aufnahme</translation>
    </message>
    <message>
        <source>2 Min</source>
        <translation>2 Min.</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 Min.</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>Record Beep</source>
        <translation>Aufnahmeton</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>Microphone Volume</source>
        <translation>Mikrofonpegel</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix kann seinen Datenordner nicht verwenden: %1</translation>
    </message>
</context>
<context>
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>Von Karte &amp;laden</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>&amp;Unterschiede anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Einhängen</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>Aus&amp;werfen</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Auf &amp;alle Karten schreiben...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>camera.conf der Karte wird gelesen...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>Die Karte antwortet nicht: ihr Inhalt ist unbekannt.</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>Die Karte hat keine camera.conf.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>Die camera.conf der Karte stimmt mit den Seiten überein.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>Die camera.conf der Karte weicht in 1 Einstellung ab.</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>Die camera.conf der Karte weicht in %n Einstellung ab.</numerusform>
            <numerusform>Die camera.conf der Karte weicht in %n Einstellungen ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>Karte %1 auswerfen</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>Karte %1 aushängen und abschalten, damit sie entnommen werden kann</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>Die Karte %1 ist nicht eingehängt.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Einhängen</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>Karte %1 einhängen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>Unterschiede der Karte %1 anzeigen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>Einstellungen der Karte %1 laden</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>Einstellungen der Karte %1 in die Seiten laden (kein Profil wird geändert)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>Nicht eingehängt: Rechtsklick (oder Menütaste) und „Einhängen“ wählen</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>Die Karte %1 ist weg: sie wurde entnommen oder ausgehängt. Es wurde nichts von ihr gelesen.</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>Die Karte %1 wird noch gelesen; bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>Die Karte %1 antwortet nicht, daher ist ihr Inhalt unbekannt. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>Einstellungen der Karte %1 in die Seiten geladen; „Neu“ oder „Speichern“ behält sie.</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>Diese Einstellungen der Karte kann keine Seite zeigen, daher behalten die Seiten ihre eigenen:
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>Die Karte %1 ist nicht mehr die gewählte: camera.conf wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>%1 wird eingehängt...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>%1 kann nicht eingehängt werden: %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 unter %2 eingehängt</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>%1 wird ausgeworfen...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>%1 kann nicht ausgeworfen werden: %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 ausgeworfen: Die Karte kann entnommen werden.</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 ausgeworfen: Die Karte kann entnommen werden. (%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>Karten, die kommen und gehen, bemerkt marlix auf diesem System nicht; öffnen Sie marlix neu, um die jetzt angeschlossenen Karten zu sehen.</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>Die Einhängetabelle „%1“ kann nicht überwacht werden: %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>Auf udev-Ereignisse zu Blockgeräten kann nicht gehört werden: %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>Wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Antwortet nicht</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Nicht eingehängt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>Keine Kamera ausgewählt.

Schließen Sie die Kamera oder ihre SD-Karte an und wählen Sie sie in der Geräteliste, oder wählen Sie einen Ordner, in den camera.conf geschrieben wird.</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>&amp;Ordner wählen...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>camera.conf schreiben in</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>Ü&amp;ber Marlix...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Auf &amp;alle Karten schreiben...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix findet sein Arbeitsverzeichnis nicht: %1

Starten Sie es aus einem Ordner, der existiert.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>Die Karte %1 antwortet nicht, daher wurde camera.conf nicht geschrieben: Das Schreiben könnte hängen bleiben. Entnehmen Sie sie und schließen Sie sie wieder an.</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>Inhalt von %1 wird gelesen...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>Schreiben abgebrochen: Es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>camera.conf der Seiten</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>camera.conf ungespeicherter Einstellungen (Profil %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>camera.conf des Profils %1</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> – antwortet nicht, wird übersprungen</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>Es ist keine Karte aufgeführt, daher wurde camera.conf nicht geschrieben.

Schließen Sie die Karten (oder ein Lesegerät mit mehreren Steckplätzen) an und warten Sie, bis sie aufgeführt sind.</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>%1 auf jede dieser Karten (%n) schreiben?
%2</numerusform>
            <numerusform>%1 auf jede dieser %n Karten schreiben?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>„SD-Karte formatieren“ ist angekreuzt: Die Kamera löscht alles auf jeder dieser Karten, wenn sie diese camera.conf liest.</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>Auf &amp;alle Karten schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>%1 wird auf %n Karte geschrieben...</numerusform>
            <numerusform>%1 wird auf %n Karten geschrieben...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: geschrieben</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1: nicht geschrieben – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%1 um %3 auf %2 von %n Karte geschrieben</numerusform>
            <numerusform>%1 um %3 auf %2 von %n Karten geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>Sie enthält %1.</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>Ihr Inhalt konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>„SD-Karte formatieren“ ist angekreuzt: Die Kamera löscht alles auf %1, wenn sie diese camera.conf liest.

%2

camera.conf trotzdem mit format=true schreiben?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>Schreiben und &amp;formatieren</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>camera.conf wird auf %1 geschrieben...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>die Karte %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>Die camera.conf wiederherstellen, die %1 vorher enthielt</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%1 um %3 auf %2 geschrieben</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>Frühere camera.conf von %1 wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>Die frühere camera.conf wurde nicht wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>Die frühere camera.conf ist wieder auf %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf wieder von %1 entfernt</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>Die Karte %1 ist weg: sie wurde entnommen oder ausgehängt. camera.conf wurde nicht geschrieben.

Schließen Sie die Karte wieder an und wählen Sie sie in der Geräteliste.</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

Die Profile werden angezeigt, aber in diesem Ordner kann nichts gespeichert werden. Starten Sie marlix aus einem Ordner, in den Sie schreiben dürfen, um Profile zu behalten.</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>cfg.ini kann nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1, ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>Ungespeicherte Änderungen: „Speichern“ behält sie</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Änderungen am Profil %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>Das Profil %1 wurde von einem anderen Programm aus cfg.ini entfernt; die Seiten behalten, was sie zeigen („Neu“ behält es).</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>Das Profil %1 wurde von einem anderen Programm aus cfg.ini entfernt.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>Das Profil %1 wurde von einem anderen Programm in cfg.ini geändert, und die Seiten haben ungespeicherte Änderungen.

Die Seiten so lassen, wie sie sind, oder das Profil so laden, wie cfg.ini es jetzt enthält?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>Seiten &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>Profil &amp;laden</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>Das Profil %1 wurde von einem anderen Programm in cfg.ini geändert; die Seiten zeigen es so, wie es jetzt ist.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>Das Profil %1 wurde von einem anderen Programm in cfg.ini geändert; die Seiten behalten ihre Änderungen.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>Profil %1 aus den Seiten erstellt und um %2 in cfg.ini gespeichert</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>Profil %1 aus cfg.ini gelöscht (Strg+Z macht es rückgängig)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>Löschen des Profils %1 rückgängig machen</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>Profil %1 wieder in cfg.ini eingefügt</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>Es ist kein Profil gewählt, daher gibt es nichts, worin die Seiten gespeichert werden könnten.

„Neu“ macht aus ihnen ein Profil.</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>Es ist kein Profil gewählt, daher gibt es nichts, worin die Seiten gespeichert werden könnten.

Wählen Sie ein Profil in der Liste, oder erstellen Sie eines mit „Neu“.</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>Seiten um %3 im Profil %1 in %2 gespeichert</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>Video</translation>
    </message>
</context>
</TS>

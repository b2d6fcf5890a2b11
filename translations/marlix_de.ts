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

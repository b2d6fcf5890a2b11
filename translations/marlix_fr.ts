<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix, version 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>Réglages de la caméra sport HD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>À propos de Marlix</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multizone</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>Bal. des blancs</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuages</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>Incandescent</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dur</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>Lecteurs amovibles</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Mode 3</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>&amp;Nom du nouveau profil :</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>Qualité photo</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>Prise auto</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>Horodatage photo</translation>
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
        <translation>Muet</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>régler date et heure</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>Rotation image</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Rotation 180°</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>Mode TV</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>Fréquence secteur</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>Arrêt auto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>Formater la carte SD</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bip</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroit</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>1 Seconds</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>Champ de vision</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>Accéléré</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>Horodatage vidéo</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>Enreg. auto</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>Enreg. en boucle</translation>
    </message>
    <message>
        <source>2 Min</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>Record Beep</source>
        <translation>Bip d&apos;enreg.</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>Microphone Volume</source>
        <translation>Volume du micro</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix ne peut pas utiliser son dossier de données : %1</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>Vidéo</translation>
    </message>
</context>
</TS>

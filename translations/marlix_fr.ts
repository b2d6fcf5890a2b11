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
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>non coché</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1 : %2 sur la carte, %3 dans les pages</translation>
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
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>&amp;Charger depuis la carte</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>Afficher les &amp;différences...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>É&amp;jecter</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Écrire sur &amp;toutes les cartes...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>Lecture du camera.conf de la carte...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>La carte ne répond pas : son contenu est inconnu.</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>La carte n&apos;a pas de camera.conf.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>Le camera.conf de la carte correspond aux pages.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>Le camera.conf de la carte diffère sur 1 réglage.</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>Le camera.conf de la carte diffère sur %n réglage.</numerusform>
            <numerusform>Le camera.conf de la carte diffère sur %n réglages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>Éjecter la carte %1</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>Démonter la carte %1 et la mettre hors tension pour pouvoir la retirer</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>La carte %1 n&apos;est pas montée.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>Monter la carte %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>Afficher les différences de la carte %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>Charger les réglages de la carte %1</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>Charger les réglages de la carte %1 dans les pages (aucun profil n&apos;est modifié)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>Non montée : clic droit (ou touche Menu) puis choisir Monter</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>La carte %1 a disparu : elle a été retirée ou démontée. Rien n&apos;y a été lu.</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>La carte %1 est encore en cours de lecture ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>La carte %1 ne répond pas, son contenu est donc inconnu. Rien n&apos;a été chargé.</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>Réglages de la carte %1 chargés dans les pages ; Nouveau ou Enregistrer les conserve.</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>Aucune page ne peut afficher ces réglages de la carte ; les pages gardent donc les leurs :
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>Écri&amp;re</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>La carte %1 n&apos;est plus celle choisie : camera.conf n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>Montage de %1...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Impossible de monter %1 : %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 monté sur %2</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>Éjection de %1...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>Impossible d&apos;éjecter %1 : %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 éjecté : la carte peut être retirée.</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 éjecté : la carte peut être retirée. (%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>Sur ce système, les cartes branchées ou retirées ne sont pas détectées ; rouvrez marlix pour voir les cartes branchées maintenant.</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>Impossible de surveiller la table des montages « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>Impossible d&apos;écouter les événements udev des périphériques bloc : %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>Écriture...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Ne répond pas</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Non montée</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
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
        <translation>Aucune caméra n&apos;est sélectionnée.

Branchez la caméra ou sa carte SD et choisissez-la dans la liste des périphériques, ou choisissez un dossier où écrire camera.conf.</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>&amp;Choisir un dossier...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>Écrire camera.conf dans</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>À &amp;propos de Marlix...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Écrire sur &amp;toutes les cartes...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix ne trouve pas son répertoire de travail : %1

Lancez-le depuis un dossier qui existe.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>La carte %1 ne répond pas, camera.conf n&apos;a donc pas été écrit : l&apos;écriture pourrait rester bloquée. Retirez-la et rebranchez-la.</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>Lecture du contenu de %1...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>Écriture annulée : rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>camera.conf des pages</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>camera.conf de réglages non enregistrés (profil %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>camera.conf du profil %1</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> - ne répond pas, sera ignorée</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>Aucune carte n&apos;est listée, camera.conf n&apos;a donc pas été écrit.

Branchez les cartes (ou un lecteur à plusieurs emplacements) et attendez qu&apos;elles soient listées.</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>Écrire %1 sur chacune de ces cartes (%n) ?
%2</numerusform>
            <numerusform>Écrire %1 sur chacune de ces %n cartes ?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>« Formater la carte SD » est coché : la caméra efface tout le contenu de chacune d&apos;elles quand elle lit ce camera.conf.</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>Écrire sur &amp;toutes les cartes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>Écriture de %1 sur %n carte...</numerusform>
            <numerusform>Écriture de %1 sur %n cartes...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1 : écrit</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1 : non écrit - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%1 écrit sur %2 carte sur %n à %3</numerusform>
            <numerusform>%1 écrit sur %2 des %n cartes à %3</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>Elle contient %1.</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>Son contenu n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>« Formater la carte SD » est coché : la caméra efface tout le contenu de %1 quand elle lit ce camera.conf.

%2

Écrire quand même camera.conf avec format=true ?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>Écrire et &amp;formater</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>Écriture de camera.conf sur %1...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>la carte %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>Remettre le camera.conf que %1 contenait avant</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%1 écrit sur %2 à %3</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>Remise en place du camera.conf précédent de %1...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>Le camera.conf précédent n&apos;a pas été remis en place : %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>Le camera.conf précédent est de retour sur %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf de nouveau retiré de %1</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>La carte %1 a disparu : elle a été retirée ou démontée. camera.conf n&apos;a pas été écrit.

Rebranchez la carte et choisissez-la dans la liste des périphériques.</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

Les profils sont affichés, mais rien ne peut être enregistré dans ce dossier. Lancez marlix depuis un dossier où vous pouvez écrire pour conserver des profils.</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>cfg.ini ne peut pas être modifié : %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1, modifications non enregistrées</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>Modifications non enregistrées : Enregistrer les conserve</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Enregistrer les modifications du profil %1 ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>Le profil %1 a été supprimé de cfg.ini par un autre programme ; les pages gardent ce qu&apos;elles affichent (Nouveau le conserve).</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>Le profil %1 a été supprimé de cfg.ini par un autre programme.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>Le profil %1 a été modifié dans cfg.ini par un autre programme, et les pages ont des modifications non enregistrées.

Garder les pages telles quelles, ou charger le profil tel que cfg.ini le contient maintenant ?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>&amp;Garder les pages</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>&amp;Charger le profil</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>Le profil %1 a été modifié dans cfg.ini par un autre programme ; les pages l&apos;affichent tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>Le profil %1 a été modifié dans cfg.ini par un autre programme ; les pages gardent leurs modifications.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>Profil %1 créé à partir des pages et enregistré dans cfg.ini à %2</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>Profil %1 supprimé de cfg.ini (Ctrl+Z l&apos;annule)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>Annuler la suppression du profil %1</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>Profil %1 remis dans cfg.ini</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>Aucun profil n&apos;est choisi, il n&apos;y a donc rien où enregistrer les pages.

Nouveau en fait un profil.</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>Aucun profil n&apos;est choisi, il n&apos;y a donc rien où enregistrer les pages.

Choisissez un profil dans la liste, ou créez-en un avec Nouveau.</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>Pages enregistrées dans le profil %1 de %2 à %3</translation>
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

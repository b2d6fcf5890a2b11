<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix, versión 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>Ajustes de la cámara deportiva HD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>Acerca de Marlix</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>sin marcar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1: %2 en la tarjeta, %3 en las páginas</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Puntual</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Múltiple</translation>
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
        <translation>Bal. de blancos</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Soleado</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublado</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>Incandescente</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Nitidez</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Alta</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>Unidades extraíbles</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Mode 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modo 3</translation>
    </message>
</context>
<context>
    <name>NewProfileDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>&amp;Nombre del perfil nuevo:</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>Superfina</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>No</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>Calidad de foto</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>Disparo auto</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>Sello en foto</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SliderPosition</name>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>sincronizar fecha y hora</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>Girar imagen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Girar 180°</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>Modo TV</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>Frecuencia de luz</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>Apagado auto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>No</translation>
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
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>Formatear tarjeta SD</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Pitido</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>Superfina</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Amplio</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecho</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>No</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Calidad de vídeo</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>Campo de visión</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>Sello en vídeo</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>Grabación auto</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>Grabación en bucle</translation>
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
        <translation>Pitido de grab.</translation>
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
        <translation>Volumen del micro</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix no puede usar su carpeta de datos: %1</translation>
    </message>
</context>
<context>
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>&amp;Cargar desde la tarjeta</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>Mostrar &amp;diferencias...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Montar</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>&amp;Expulsar</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Escribir en &amp;todas las tarjetas...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>Leyendo el camera.conf de la tarjeta...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>La tarjeta no responde: no se sabe qué contiene.</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>La tarjeta no tiene camera.conf.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>El camera.conf de la tarjeta coincide con las páginas.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>El camera.conf de la tarjeta difiere en 1 ajuste.</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>El camera.conf de la tarjeta difiere en %n ajuste.</numerusform>
            <numerusform>El camera.conf de la tarjeta difiere en %n ajustes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>Expulsar la tarjeta %1</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>Desmontar la tarjeta %1 y apagarla para poder retirarla</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>La tarjeta %1 no está montada.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montar</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>Montar la tarjeta %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>Mostrar las diferencias de la tarjeta %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>Cargar los ajustes de la tarjeta %1</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>Cargar los ajustes de la tarjeta %1 en las páginas (no se cambia ningún perfil)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>No montada: haga clic con el botón derecho (o pulse la tecla de menú) y elija Montar</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>La tarjeta %1 ya no está: se retiró o se desmontó. No se leyó nada de ella.</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>La tarjeta %1 todavía se está leyendo; vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>La tarjeta %1 no responde, así que no se sabe qué contiene. No se cargó nada.</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>Ajustes de la tarjeta %1 cargados en las páginas; Nuevo o Guardar los conserva.</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>Ninguna página puede mostrar estos ajustes de la tarjeta, así que las páginas conservan los suyos:
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>La tarjeta %1 ya no es la elegida: no se escribió camera.conf.</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>Montando %1...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>No se puede montar %1: %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 montada en %2</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>Expulsando %1...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>No se puede expulsar %1: %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 expulsada: ya se puede retirar la tarjeta.</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 expulsada: ya se puede retirar la tarjeta. (%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>En este sistema no se detectan las tarjetas que se conectan y desconectan; vuelva a abrir marlix para ver las tarjetas conectadas ahora.</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>No se puede vigilar la tabla de montaje «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>No se pueden escuchar los eventos de udev de dispositivos de bloques: %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>Escribiendo...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>No responde</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>No montada</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>No hay ninguna cámara seleccionada.

Conecte la cámara o su tarjeta SD y elíjala en la lista de dispositivos, o elija una carpeta donde escribir camera.conf.</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>&amp;Elegir carpeta...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>Escribir camera.conf en</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>&amp;Acerca de Marlix...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Escribir en &amp;todas las tarjetas...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix no encuentra su directorio de trabajo: %1

Inícielo desde una carpeta que exista.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>La tarjeta %1 no responde, así que no se escribió camera.conf: escribir en ella podría bloquearse. Retírela y vuelva a conectarla.</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>Leyendo qué contiene %1...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>Escritura cancelada: no se escribió nada</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>camera.conf de las páginas</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>camera.conf de ajustes sin guardar (perfil %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>camera.conf del perfil %1</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> - no responde, se omitirá</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>No hay ninguna tarjeta en la lista, así que no se escribió camera.conf.

Conecte las tarjetas (o un lector con varias ranuras) y espere a que aparezcan en la lista.</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>¿Escribir %1 en cada una de estas tarjetas (%n)?
%2</numerusform>
            <numerusform>¿Escribir %1 en cada una de estas %n tarjetas?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>«Formatear tarjeta SD» está marcado: la cámara borra todo el contenido de cada una de ellas cuando lee este camera.conf.</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>Escribir en &amp;todas las tarjetas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>Escribiendo %1 en %n tarjeta...</numerusform>
            <numerusform>Escribiendo %1 en %n tarjetas...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: escrito</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1: no escrito - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%1 escrito en %2 de %n tarjeta a las %3</numerusform>
            <numerusform>%1 escrito en %2 de %n tarjetas a las %3</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>Contiene %1.</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>No se pudo leer qué contiene: %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>«Formatear tarjeta SD» está marcado: la cámara borra todo el contenido de %1 cuando lee este camera.conf.

%2

¿Escribir camera.conf con format=true de todos modos?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>Escribir y &amp;formatear</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>Escribiendo camera.conf en %1...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>la tarjeta %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>Restaurar el camera.conf que tenía %1 antes</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%1 escrito en %2 a las %3</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>Restaurando el camera.conf anterior de %1...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>No se restauró el camera.conf anterior: %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>El camera.conf anterior vuelve a estar en %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf eliminado de nuevo de %1</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>La tarjeta %1 ya no está: se retiró o se desmontó. No se escribió camera.conf.

Vuelva a conectar la tarjeta y elíjala en la lista de dispositivos.</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

Se muestran los perfiles, pero no se puede guardar nada en esta carpeta. Inicie marlix desde una carpeta en la que pueda escribir para conservar perfiles.</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>No se puede cambiar cfg.ini: %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1, cambios sin guardar</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>Cambios sin guardar: Guardar los conserva</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (cambios sin guardar)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>¿Guardar los cambios en el perfil %1?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>Otro programa eliminó el perfil %1 de cfg.ini; las páginas conservan lo que muestran (Nuevo lo conserva).</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>Otro programa eliminó el perfil %1 de cfg.ini.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>Otro programa cambió el perfil %1 en cfg.ini, y las páginas tienen cambios sin guardar.

¿Dejar las páginas como están o cargar el perfil tal como está ahora en cfg.ini?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>&amp;Conservar las páginas</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>Cargar el &amp;perfil</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>Otro programa cambió el perfil %1 en cfg.ini; las páginas lo muestran tal como está ahora.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>Otro programa cambió el perfil %1 en cfg.ini; las páginas conservan sus cambios.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>Perfil %1 creado a partir de las páginas y guardado en cfg.ini a las %2</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>Perfil %1 eliminado de cfg.ini (Ctrl+Z lo deshace)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>Deshacer la eliminación del perfil %1</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>Perfil %1 restaurado en cfg.ini</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>No hay ningún perfil elegido, así que no hay dónde guardar las páginas.

Nuevo crea un perfil con ellas.</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>No hay ningún perfil elegido, así que no hay dónde guardar las páginas.

Elija un perfil de la lista o cree uno con Nuevo.</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>Páginas guardadas en el perfil %1 de %2 a las %3</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>Vídeo</translation>
    </message>
</context>
</TS>

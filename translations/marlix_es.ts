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

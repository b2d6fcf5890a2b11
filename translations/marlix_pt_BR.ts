<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix, versão 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>Ajustes da câmera de ação HD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>Sobre o Marlix</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Pontual</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Múltipla</translation>
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
        <translation>Bal. de branco</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Sol</translation>
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
        <translation>Baixa</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>Unidades removíveis</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salvar</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>&amp;Nome do novo perfil:</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
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
        <translation>Não</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>Qualidade da foto</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>Disparo autom.</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>Carimbo na foto</translation>
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
        <translation>Mudo</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>sincronizar data e hora</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>Girar imagem</translation>
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
        <translation>Frequência da luz</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>Deslig. autom.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Não</translation>
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
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>Formatar cartão SD</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Bipe</translation>
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
        <translation>Amplo</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estreito</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Não</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>Campo de visão</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>Carimbo no vídeo</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>Gravação autom.</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>Gravação em loop</translation>
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
        <translation>Bipe de gravação</translation>
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
        <translation>Volume do microfone</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>o marlix não pode usar sua pasta de dados: %1</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>Imagem</translation>
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

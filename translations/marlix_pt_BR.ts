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
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>desmarcado</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1: %2 no cartão, %3 nas páginas</translation>
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
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>&amp;Carregar do cartão</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>Mostrar &amp;diferenças...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Montar</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>&amp;Ejetar</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Gravar em &amp;todos os cartões...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>Lendo o camera.conf do cartão...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>O cartão não responde: não se sabe o que ele contém.</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>O cartão não tem camera.conf.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>O camera.conf do cartão corresponde às páginas.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>O camera.conf do cartão difere em 1 ajuste.</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>O camera.conf do cartão difere em %n ajuste.</numerusform>
            <numerusform>O camera.conf do cartão difere em %n ajustes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Ejetar</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>Ejetar o cartão %1</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>Desmontar o cartão %1 e desligá-lo para que possa ser retirado</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>O cartão %1 não está montado.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Montar</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>Montar o cartão %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>Mostrar as diferenças do cartão %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>Carregar os ajustes do cartão %1</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>Carregar os ajustes do cartão %1 nas páginas (nenhum perfil é alterado)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>Não montado: clique com o botão direito (ou pressione a tecla de menu) e escolha Montar</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>O cartão %1 sumiu: foi retirado ou desmontado. Nada foi lido dele.</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>O cartão %1 ainda está sendo lido; tente de novo em instantes.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>O cartão %1 não responde, então não se sabe o que ele contém. Nada foi carregado.</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>Ajustes do cartão %1 carregados nas páginas; Novo ou Salvar os mantém.</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>Nenhuma página pode mostrar estes ajustes do cartão, então as páginas mantêm os seus:
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>O cartão %1 não é mais o escolhido: o camera.conf não foi gravado.</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>Montando %1...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Não é possível montar %1: %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 montado em %2</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>Ejetando %1...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>Não é possível ejetar %1: %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 ejetado: o cartão pode ser retirado.</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 ejetado: o cartão pode ser retirado. (%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>Neste sistema, cartões inseridos ou retirados não são percebidos; abra o marlix de novo para ver os cartões conectados agora.</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>Não é possível monitorar a tabela de montagem “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>Não é possível escutar os eventos do udev de dispositivos de bloco: %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Não responde</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Não montado</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>Nenhuma câmera está selecionada.

Conecte a câmera ou o cartão SD dela e escolha-o na lista de dispositivos, ou escolha uma pasta para gravar o camera.conf.</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>&amp;Escolher pasta...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>Gravar camera.conf em</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>&amp;Sobre o Marlix...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Gravar em &amp;todos os cartões...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>O marlix não encontra sua pasta de trabalho: %1

Inicie-o a partir de uma pasta que exista.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>O cartão %1 não responde, então o camera.conf não foi gravado: gravar nele poderia travar. Retire-o e conecte-o de novo.</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>Lendo o que %1 contém...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>Gravação cancelada: nada foi gravado</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>camera.conf das páginas</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>camera.conf de ajustes não salvos (perfil %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>camera.conf do perfil %1</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> - não responde, será ignorado</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>Nenhum cartão está na lista, então o camera.conf não foi gravado.

Conecte os cartões (ou um leitor com vários slots) e aguarde até que apareçam na lista.</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>Gravar %1 em cada um destes cartões (%n)?
%2</numerusform>
            <numerusform>Gravar %1 em cada um destes %n cartões?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>“Formatar cartão SD” está marcado: a câmera apaga tudo em cada um deles quando lê este camera.conf.</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>Gravar em &amp;todos os cartões</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>Gravando %1 em %n cartão...</numerusform>
            <numerusform>Gravando %1 em %n cartões...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: gravado</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1: não gravado - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%1 gravado em %2 de %n cartão às %3</numerusform>
            <numerusform>%1 gravado em %2 de %n cartões às %3</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>Ele contém %1.</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>Não foi possível ler o que ele contém: %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>“Formatar cartão SD” está marcado: a câmera apaga tudo em %1 quando lê este camera.conf.

%2

Gravar o camera.conf com format=true mesmo assim?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>Gravar e &amp;formatar</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>Gravando camera.conf em %1...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>o cartão %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>Restaurar o camera.conf que %1 tinha antes</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%1 gravado: %2, às %3</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>Restaurando o camera.conf anterior de %1...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>O camera.conf anterior não foi restaurado: %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>O camera.conf anterior está de volta em %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf removido de novo de %1</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>O cartão %1 sumiu: foi retirado ou desmontado. O camera.conf não foi gravado.

Conecte o cartão de novo e escolha-o na lista de dispositivos.</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

Os perfis são exibidos, mas nada pode ser salvo nesta pasta. Inicie o marlix a partir de uma pasta em que você possa gravar para manter perfis.</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>Não é possível alterar o cfg.ini: %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1, alterações não salvas</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>Alterações não salvas: Salvar as mantém</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (alterações não salvas)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Salvar as alterações no perfil %1?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>O perfil %1 foi removido do cfg.ini por outro programa; as páginas mantêm o que mostram (Novo o mantém).</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>O perfil %1 foi removido do cfg.ini por outro programa.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>O perfil %1 foi alterado no cfg.ini por outro programa, e as páginas têm alterações não salvas.

Manter as páginas como estão ou carregar o perfil como está agora no cfg.ini?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>&amp;Manter as páginas</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>Carregar o &amp;perfil</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>O perfil %1 foi alterado no cfg.ini por outro programa; as páginas o mostram como está agora.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>O perfil %1 foi alterado no cfg.ini por outro programa; as páginas mantêm suas alterações.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>Perfil %1 criado a partir das páginas e salvo no cfg.ini às %2</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>Perfil %1 excluído do cfg.ini (Ctrl+Z desfaz)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>Desfazer a exclusão do perfil %1</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>Perfil %1 restaurado no cfg.ini</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>Nenhum perfil está escolhido, então não há onde salvar as páginas.

Novo cria um perfil com elas.</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>Nenhum perfil está escolhido, então não há onde salvar as páginas.

Escolha um perfil na lista ou crie um com Novo.</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>Páginas salvas no perfil %1 em %2 às %3</translation>
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

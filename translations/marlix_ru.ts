<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix, версия 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>Настройки экшн-камеры HD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>О программе Marlix</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>отмечено</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>не отмечено</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1: на карте %2, на страницах %3</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>Замер</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Точечный</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Матрица</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Центр.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Облака</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>Лампа накал.</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Мягко</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Резко</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>Съёмные диски</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Mode 1</source>
        <translation>Режим 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Режим 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Режим 3</translation>
    </message>
</context>
<context>
    <name>NewProfileDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>&amp;Имя нового профиля:</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 с</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 с</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3 с</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 с</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 с</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 с</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>Качество фото</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>Автосъёмка</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>Штамп на фото</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SliderPosition</name>
    <message>
        <source>Mute</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>синхр. часы</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Поворот 180°</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>Режим ТВ</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>Частота сети</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>Автовыключение</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 мин</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 мин</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>Форматировать SD</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Сигнал</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>Лучшее</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Широкий</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Узкий</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>1 Seconds</source>
        <translation>1 с</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 с</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 с</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 с</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 с</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Качество видео</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>Угол обзора</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>Штамп на видео</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>Автозапись</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>Цикл. запись</translation>
    </message>
    <message>
        <source>2 Min</source>
        <translation>2 мин</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3 мин</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5 мин</translation>
    </message>
    <message>
        <source>Record Beep</source>
        <translation>Сигнал записи</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 мин</translation>
    </message>
    <message>
        <source>Microphone Volume</source>
        <translation>Громкость микр.</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix не может использовать свою папку данных: %1</translation>
    </message>
</context>
<context>
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>&amp;Загрузить с карты</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>Показать &amp;различия...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>&amp;Подключить</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Записать на &amp;все карты...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>Чтение camera.conf с карты...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>Карта не отвечает: её содержимое неизвестно.</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>На карте нет camera.conf.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>camera.conf на карте совпадает со страницами.</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>camera.conf на карте отличается в 1 настройке.</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>camera.conf на карте отличается в %n настройке.</numerusform>
            <numerusform>camera.conf на карте отличается в %n настройках.</numerusform>
            <numerusform>camera.conf на карте отличается в %n настройках.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Извлечь</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>Извлечь карту %1</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>Отключить карту %1 и обесточить её, чтобы её можно было вынуть</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>Карта %1 не подключена.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>Подключить карту %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>Показать различия карты %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>Загрузить настройки карты %1</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>Загрузить настройки карты %1 на страницы (профили не меняются)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>Не подключена: щёлкните правой кнопкой (или нажмите клавишу меню) и выберите «Подключить»</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>Карта %1 пропала: её вынули или отключили. С неё ничего не прочитано.</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>Карта %1 ещё читается; повторите попытку через мгновение.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>Карта %1 не отвечает, поэтому её содержимое неизвестно. Ничего не загружено.</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>Настройки карты %1 загружены на страницы; «Создать» или «Сохранить» сохранит их.</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>Эти настройки карты не может показать ни одна страница, поэтому страницы сохраняют свои:
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>За&amp;писать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>Карта %1 больше не выбрана: camera.conf не записан.</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>Подключение %1...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>Не удаётся подключить %1: %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 подключена в %2</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>Извлечение %1...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>Не удаётся извлечь %1: %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 извлечена: карту можно вынуть.</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 извлечена: карту можно вынуть. (%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>В этой системе подключение и отключение карт не отслеживается; откройте marlix заново, чтобы увидеть подключённые сейчас карты.</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>Не удаётся следить за таблицей монтирования «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>Не удаётся получать события udev о блочных устройствах: %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>Запись...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Не отвечает</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Не подключена</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>Камера не выбрана.

Подключите камеру или её SD-карту и выберите её в списке устройств или выберите папку, в которую записать camera.conf.</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>&amp;Выбрать папку...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>Записать camera.conf в</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>&amp;О программе Marlix...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>Записать на &amp;все карты...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix не может найти свой рабочий каталог: %1

Запустите его из существующей папки.</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>Карта %1 не отвечает, поэтому camera.conf не записан: запись на неё может зависнуть. Выньте её и подключите снова.</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>Чтение содержимого %1...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>Запись отменена: ничего не записано</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>camera.conf со страниц</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>camera.conf несохранённых настроек (профиль %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>camera.conf профиля %1</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> — не отвечает, будет пропущена</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>В списке нет ни одной карты, поэтому camera.conf не записан.

Подключите карты (или кардридер с несколькими слотами) и подождите, пока они появятся в списке.</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>Записать %1 на каждую из этих карт (%n)?
%2</numerusform>
            <numerusform>Записать %1 на каждую из этих карт (%n)?
%2</numerusform>
            <numerusform>Записать %1 на каждую из этих карт (%n)?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>Отмечено «Форматировать SD»: камера сотрёт всё на каждой из них, когда прочитает этот camera.conf.</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>Записать на &amp;все карты</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>Запись %1 на %n карту...</numerusform>
            <numerusform>Запись %1 на %n карты...</numerusform>
            <numerusform>Запись %1 на %n карт...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: записано</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1: не записано — %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%1 записан на %2 из %n карты в %3</numerusform>
            <numerusform>%1 записан на %2 из %n карт в %3</numerusform>
            <numerusform>%1 записан на %2 из %n карт в %3</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>На ней: %1.</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>Не удалось прочитать её содержимое: %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>Отмечено «Форматировать SD»: камера сотрёт всё на %1, когда прочитает этот camera.conf.

%2

Всё равно записать camera.conf с format=true?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>Записать и &amp;форматировать</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>Запись camera.conf на %1...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>карта %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>Вернуть прежний camera.conf: %1</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%1 записан в %3: %2</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>Возврат прежнего camera.conf на %1...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>Прежний camera.conf не возвращён: %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>Прежний camera.conf снова на %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf снова удалён с %1</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>Карта %1 пропала: её вынули или отключили. camera.conf не записан.

Подключите карту снова и выберите её в списке устройств.</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

Профили показаны, но в этой папке ничего нельзя сохранить. Чтобы сохранять профили, запускайте marlix из папки, доступной для записи.</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>Невозможно изменить cfg.ini: %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1, несохранённые изменения</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>Несохранённые изменения: «Сохранить» сохранит их</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (несохранённые изменения)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>Сохранить изменения в профиле %1?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>Профиль %1 удалён из cfg.ini другой программой; страницы сохраняют показанное («Создать» сохранит это).</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>Профиль %1 удалён из cfg.ini другой программой.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>Профиль %1 изменён в cfg.ini другой программой, а на страницах есть несохранённые изменения.

Оставить страницы как есть или загрузить профиль в том виде, в каком он сейчас в cfg.ini?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>&amp;Оставить страницы</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>&amp;Загрузить профиль</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>Профиль %1 изменён в cfg.ini другой программой; страницы показывают его текущее состояние.</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>Профиль %1 изменён в cfg.ini другой программой; страницы сохраняют свои изменения.</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>Профиль %1 создан из страниц и сохранён в cfg.ini в %2</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>Профиль %1 удалён из cfg.ini (Ctrl+Z отменяет)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>Отменить удаление профиля %1</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>Профиль %1 возвращён в cfg.ini</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>Профиль не выбран, поэтому страницы некуда сохранить.

«Создать» сделает из них профиль.</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>Профиль не выбран, поэтому страницы некуда сохранить.

Выберите профиль в списке или создайте его кнопкой «Создать».</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>Страницы сохранены в профиль %1 (%2) в %3</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>Видео</translation>
    </message>
</context>
</TS>

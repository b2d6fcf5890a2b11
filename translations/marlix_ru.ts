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

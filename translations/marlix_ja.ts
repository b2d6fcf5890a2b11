<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix バージョン 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>HDアクションカメラの設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>Marlix について</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>測光</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>スポット</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>マルチ</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>オート</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>晴天</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>曇天</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>白熱灯</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>シャープネス</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>強</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>リムーバブルドライブ</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Mode 1</source>
        <translation>モード 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>モード 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>モード 3</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>新しいプロファイルの名前(&amp;N):</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2秒</translation>
    </message>
    <message>
        <source>3 Seconds</source>
        <translation>3秒</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5秒</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10秒</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60秒</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>連写</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>写真の画質</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>自動撮影</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>写真の日時</translation>
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
        <translation>消音</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>日時を合わせる</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>画像の回転</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>180°回転</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>テレビ方式</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>電源周波数</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>自動電源オフ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3分</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5分</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10分</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>SDカードを初期化</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>操作音</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>ワイド</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>狭角</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>1 Seconds</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2秒</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5秒</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10秒</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30秒</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60秒</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>動画の画質</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>画角</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>動画の日時</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>自動録画</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>ループ録画</translation>
    </message>
    <message>
        <source>2 Min</source>
        <translation>2分</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3分</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5分</translation>
    </message>
    <message>
        <source>Record Beep</source>
        <translation>録画中の通知音</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10分</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15分</translation>
    </message>
    <message>
        <source>Microphone Volume</source>
        <translation>マイク音量</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>消音</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix はデータフォルダーを使用できません: %1</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>動画</translation>
    </message>
</context>
</TS>

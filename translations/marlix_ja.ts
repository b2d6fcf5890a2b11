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
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1: カードは %2、設定ページは %3</translation>
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
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>カードから読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>相違点を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>マウント(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>取り出し(&amp;E)</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>すべてのカードに書き込み(&amp;A)...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>カードの camera.conf を読み込み中...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>カードが応答しません。内容は不明です。</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>カードに camera.conf がありません。</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>カードの camera.conf は設定ページと一致しています。</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>カードの camera.conf は 1 件の設定が異なります。</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>カードの camera.conf は %n 件の設定が異なります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>取り出す</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>カード %1 を取り出す</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>カード %1 をアンマウントして電源を切り、取り外せるようにする</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>カード %1 はマウントされていません。</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>マウント</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>カード %1 をマウント</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>カード %1 の相違点を表示</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>カード %1 の設定を読み込む</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>カード %1 の設定を設定ページに読み込む (プロファイルは変更されません)</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>未マウント: 右クリック (またはメニューキー) して「マウント」を選んでください</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>カード %1 が見つかりません。取り外されたか、アンマウントされました。何も読み込まれていません。</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>カード %1 はまだ読み込み中です。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>カード %1 が応答しないため、内容が分かりません。何も読み込まれていません。</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>カード %1 の設定を設定ページに読み込みました。「新規」または「保存」で保持できます。</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>次のカードの設定はどのページにも表示できないため、設定ページの値はそのままです:
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>書き込み(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>カード %1 はもう選択されていません。camera.conf は書き込まれていません。</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>%1 をマウント中...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>%1 をマウントできません: %2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>%1 を %2 にマウントしました</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>%1 を取り出し中...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>%1 を取り出せません: %2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>%1 を取り出しました。カードを取り外せます。</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>%1 を取り出しました。カードを取り外せます。(%2)</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>このシステムではカードの抜き差しを検知できません。現在接続されているカードを表示するには marlix を開き直してください。</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>マウントテーブル「%1」を監視できません: %2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>ブロックデバイスの udev イベントを受信できません: %1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>書き込み中...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>未マウント</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>カメラが選択されていません。

カメラまたはその SD カードを接続してデバイス一覧で選ぶか、camera.conf を書き込むフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>フォルダーを選択(&amp;C)...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>camera.conf の書き込み先</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>Marlix について(&amp;A)...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>すべてのカードに書き込み(&amp;A)...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix の作業ディレクトリが見つかりません: %1

存在するフォルダーから起動してください。</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>カード %1 が応答しないため、camera.conf は書き込まれていません。書き込みが止まってしまうおそれがあります。カードを取り外して、もう一度接続してください。</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>%1 の内容を読み込み中...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>書き込みを取り消しました。何も書き込まれていません</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>設定ページの camera.conf</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>未保存の設定の camera.conf (プロファイル %1)</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>プロファイル %1 の camera.conf</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> - 応答なし、スキップします</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>一覧にカードがないため、camera.conf は書き込まれていません。

カード (または複数スロットのカードリーダー) を接続し、一覧に表示されるまでお待ちください。</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>%1 をこれら %n 枚のカードそれぞれに書き込みますか?
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>「SDカードを初期化」がオンです。カメラはこの camera.conf を読み込むと、各カードの内容をすべて消去します。</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>すべてのカードに書き込み(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>%1 を %n 枚のカードに書き込み中...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1: 書き込み済み</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1: 書き込まれていません - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>%3 に %1 を %n 枚中 %2 枚のカードに書き込みました</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>内容: %1。</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>内容を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>「SDカードを初期化」がオンです。カメラはこの camera.conf を読み込むと、%1 の内容をすべて消去します。

%2

それでも format=true の camera.conf を書き込みますか?</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>書き込んで初期化(&amp;F)</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>camera.conf を %1 に書き込み中...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>カード %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>%1 に以前あった camera.conf を戻す</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>%3 に %1 を %2 に書き込みました</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>%1 の以前の camera.conf を戻しています...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>以前の camera.conf を戻せませんでした: %1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>以前の camera.conf を %1 に戻しました</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>camera.conf を %1 から再び削除しました</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>カード %1 が見つかりません。取り外されたか、アンマウントされました。camera.conf は書き込まれていません。

カードをもう一度接続し、デバイス一覧で選んでください。</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

プロファイルは表示されますが、このフォルダーには何も保存できません。プロファイルを保存するには、書き込みできるフォルダーから marlix を起動してください。</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>cfg.ini を変更できません: %1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1、未保存の変更あり</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>未保存の変更があります。「保存」で保持できます</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2 (未保存の変更あり)</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>プロファイル %1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>プロファイル %1 は別のプログラムによって cfg.ini から削除されました。設定ページの表示はそのままです (「新規」で保持できます)。</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>プロファイル %1 は別のプログラムによって cfg.ini から削除されました。</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>プロファイル %1 が別のプログラムによって cfg.ini で変更されましたが、設定ページには未保存の変更があります。

設定ページをこのままにしますか? それとも cfg.ini の現在の内容でプロファイルを読み込みますか?</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>ページを保持(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>プロファイルを読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>プロファイル %1 が別のプログラムによって cfg.ini で変更されました。設定ページには現在の内容を表示しています。</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>プロファイル %1 が別のプログラムによって cfg.ini で変更されました。設定ページの変更はそのままです。</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>設定ページからプロファイル %1 を作成し、%2 に cfg.ini に保存しました</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>プロファイル %1 を cfg.ini から削除しました (Ctrl+Z で元に戻せます)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>プロファイル %1 の削除を元に戻す</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>プロファイル %1 を cfg.ini に戻しました</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>プロファイルが選択されていないため、設定ページの保存先がありません。

「新規」でプロファイルを作成できます。</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>プロファイルが選択されていないため、設定ページの保存先がありません。

一覧からプロファイルを選ぶか、「新規」で作成してください。</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>%3 に設定ページをプロファイル %1 (%2) に保存しました</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Marlix, Version 1.1</source>
        <translation>Marlix 版本 1.1</translation>
    </message>
    <message>
        <source>Settings for the HD action camera</source>
        <translation>高清运动相机设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Marlix</source>
        <translation>关于 Marlix</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>ticked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>not ticked</source>
        <translation>未勾选</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>page, setting</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1: %2 on the card, %3 on the pages</source>
        <translation>%1：卡上为 %2，页面上为 %3</translation>
    </message>
</context>
<context>
    <name>ImagePage</name>
    <message>
        <source>Meter</source>
        <translation>测光</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>点测光</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>多点</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>Sunny</source>
        <translation>晴天</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>阴天</translation>
    </message>
    <message>
        <source>Incandescent</source>
        <translation>白炽灯</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐度</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>柔和</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>锐利</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Removable drives</source>
        <translation>可移动驱动器</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Del Profile</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>写入</translation>
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
        <translation>模式 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>模式 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>模式 3</translation>
    </message>
</context>
<context>
    <name>NewProfileDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Name of the new profile:</source>
        <translation>新配置文件的名称(&amp;N):</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置文件名称</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
</context>
<context>
    <name>PhotoPage</name>
    <message>
        <source>SFine</source>
        <translation>超精细</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>精细</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>连拍</translation>
    </message>
    <message>
        <source>Photo Quality</source>
        <translation>照片质量</translation>
    </message>
    <message>
        <source>Auto Shoot</source>
        <translation>自动拍摄</translation>
    </message>
    <message>
        <source>Photo Stamp</source>
        <translation>照片水印</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SliderPosition</name>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>sync time and date</source>
        <translation>同步日期和时间</translation>
    </message>
    <message>
        <source>Image Rotate</source>
        <translation>图像旋转</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>旋转 180°</translation>
    </message>
    <message>
        <source>TV Mode</source>
        <translation>电视制式</translation>
    </message>
    <message>
        <source>Ligh Frequence</source>
        <translation>光源频率</translation>
    </message>
    <message>
        <source>Auto Shutdown</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3分钟</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5分钟</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10分钟</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Format SD card</source>
        <translation>格式化 SD 卡</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
</context>
<context>
    <name>VideoPage</name>
    <message>
        <source>SFine</source>
        <translation>超精细</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>精细</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>广角</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄角</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date&amp; and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>Fov</source>
        <translation>视角</translation>
    </message>
    <message>
        <source>Timelapse</source>
        <translation>延时摄影</translation>
    </message>
    <message>
        <source>Video Stamp</source>
        <translation>视频水印</translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation>自动录像</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Loop Record</source>
        <translation>循环录像</translation>
    </message>
    <message>
        <source>2 Min</source>
        <translation>2分钟</translation>
    </message>
    <message>
        <source>3 Min</source>
        <translation>3分钟</translation>
    </message>
    <message>
        <source>5 Min</source>
        <translation>5分钟</translation>
    </message>
    <message>
        <source>Record Beep</source>
        <translation>录像提示音</translation>
    </message>
    <message>
        <source>10 Min</source>
        <translation>10分钟</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15分钟</translation>
    </message>
    <message>
        <source>Microphone Volume</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marlix cannot use its data folder: %1</source>
        <translation>marlix 无法使用其数据文件夹：%1</translation>
    </message>
</context>
<context>
    <name>marlix::CardPanel</name>
    <message>
        <source>&amp;Load from Card</source>
        <translation>从卡读取(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>显示差异(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Mount</source>
        <translation>挂载(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Eject</source>
        <translation>弹出(&amp;E)</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>写入所有卡(&amp;A)...</translation>
    </message>
    <message>
        <source>Reading the card&apos;s camera.conf...</source>
        <translation>正在读取卡上的 camera.conf...</translation>
    </message>
    <message>
        <source>The card does not answer: what it holds is not known.</source>
        <translation>卡无响应：无法得知其内容。</translation>
    </message>
    <message>
        <source>The card has no camera.conf.</source>
        <translation>卡上没有 camera.conf。</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf matches the pages.</source>
        <translation>卡上的 camera.conf 与页面一致。</translation>
    </message>
    <message>
        <source>The card&apos;s camera.conf differs in 1 setting.</source>
        <translation>卡上的 camera.conf 有 1 项设置不同。</translation>
    </message>
    <message numerus="yes">
        <source>The card&apos;s camera.conf differs in %n settings.</source>
        <translation>
            <numerusform>卡上的 camera.conf 有 %n 项设置不同。</numerusform>
        </translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>弹出</translation>
    </message>
    <message>
        <source>Eject the card %1</source>
        <translation>弹出卡 %1</translation>
    </message>
    <message>
        <source>Unmount the card %1 and power it off, so that it can be taken out</source>
        <translation>卸载卡 %1 并断电，以便取出</translation>
    </message>
    <message>
        <source>The card %1 is not mounted.</source>
        <translation>卡 %1 未挂载。</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>挂载</translation>
    </message>
    <message>
        <source>Mount the card %1</source>
        <translation>挂载卡 %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show differences of the card %1</source>
        <translation>显示卡 %1 的差异</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Load the settings of the card %1</source>
        <translation>读取卡 %1 的设置</translation>
    </message>
    <message>
        <source>Load the settings of the card %1 into the pages (no profile is changed)</source>
        <translation>将卡 %1 的设置读取到页面中（不更改任何配置文件）</translation>
    </message>
    <message>
        <source>Not mounted: right-click (or press the menu key) and choose Mount</source>
        <translation>未挂载：右键单击（或按菜单键）并选择“挂载”</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. Nothing was read from it.</source>
        <translation>卡 %1 已不在：它已被取出或卸载。未从中读取任何内容。</translation>
    </message>
    <message>
        <source>The card %1 is still being read; try again in a moment.</source>
        <translation>仍在读取卡 %1，请稍后再试。</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so what it holds is not known. Nothing was loaded.</source>
        <translation>卡 %1 无响应，无法得知其内容。未读取任何设置。</translation>
    </message>
    <message>
        <source>Loaded the settings of the card %1 into the pages; New Profile or Save Profile keeps them.</source>
        <translation>已将卡 %1 的设置读取到页面中；“新建”或“保存”可保留它们。</translation>
    </message>
    <message>
        <source>No page can show these settings of the card, so the pages keep their own:
%1</source>
        <translation>没有页面能显示卡上的以下设置，因此页面保留自己的设置：
%1</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>写入(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The card %1 is no longer the chosen one: camera.conf was not written.</source>
        <translation>卡 %1 已不是所选的卡：未写入 camera.conf。</translation>
    </message>
    <message>
        <source>Mounting %1...</source>
        <translation>正在挂载 %1...</translation>
    </message>
    <message>
        <source>Cannot mount %1: %2</source>
        <translation>无法挂载 %1：%2</translation>
    </message>
    <message>
        <source>Mounted %1 at %2</source>
        <translation>已将 %1 挂载到 %2</translation>
    </message>
    <message>
        <source>Ejecting %1...</source>
        <translation>正在弹出 %1...</translation>
    </message>
    <message>
        <source>Cannot eject %1: %2</source>
        <translation>无法弹出 %1：%2</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out.</source>
        <translation>已弹出 %1：可以取出卡了。</translation>
    </message>
    <message>
        <source>Ejected %1: the card can be taken out. (%2)</source>
        <translation>已弹出 %1：可以取出卡了。（%2）</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeSource</name>
    <message>
        <source>Cards that come and go are not noticed on this system; reopen marlix to see the cards attached now.</source>
        <translation>此系统无法察觉卡的插入和拔出；请重新打开 marlix 以查看当前连接的卡。</translation>
    </message>
</context>
<context>
    <name>marlix::DeviceChangeWatcher</name>
    <message>
        <source>Cannot watch the mount table &quot;%1&quot;: %2</source>
        <translation>无法监视挂载表“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot listen to udev block device events: %1</source>
        <translation>无法监听块设备的 udev 事件：%1</translation>
    </message>
</context>
<context>
    <name>marlix::DriveList</name>
    <message>
        <source>Writing...</source>
        <translation>正在写入...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>未挂载</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>卷标</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
</context>
<context>
    <name>marlix::MainWindow</name>
    <message>
        <source>No camera is selected.

Attach the camera or its SD card and pick it in the device list, or choose a folder to write camera.conf into.</source>
        <translation>未选择相机。

请连接相机或其 SD 卡并在设备列表中选择它，或选择一个用于写入 camera.conf 的文件夹。</translation>
    </message>
    <message>
        <source>&amp;Choose Folder...</source>
        <translation>选择文件夹(&amp;C)...</translation>
    </message>
    <message>
        <source>Write camera.conf into</source>
        <translation>将 camera.conf 写入</translation>
    </message>
    <message>
        <source>&amp;About Marlix...</source>
        <translation>关于 Marlix(&amp;A)...</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards...</source>
        <translation>写入所有卡(&amp;A)...</translation>
    </message>
    <message>
        <source>marlix cannot find its working directory: %1

Start it from a folder that exists.</source>
        <translation>marlix 找不到其工作目录：%1

请从一个存在的文件夹启动它。</translation>
    </message>
    <message>
        <source>The card %1 does not answer, so camera.conf was not written: writing onto it could hang. Take it out and attach it again.</source>
        <translation>卡 %1 无响应，因此未写入 camera.conf：写入可能会卡住。请取出后重新连接。</translation>
    </message>
    <message>
        <source>Reading what %1 holds...</source>
        <translation>正在读取 %1 的内容...</translation>
    </message>
    <message>
        <source>Set cancelled: nothing was written</source>
        <translation>已取消写入：未写入任何内容</translation>
    </message>
    <message>
        <source>camera.conf of the pages</source>
        <translation>页面的 camera.conf</translation>
    </message>
    <message>
        <source>camera.conf of unsaved settings (profile %1)</source>
        <translation>未保存设置的 camera.conf（配置文件 %1）</translation>
    </message>
    <message>
        <source>camera.conf of profile %1</source>
        <translation>配置文件 %1 的 camera.conf</translation>
    </message>
    <message>
        <source> - not answering, will be skipped</source>
        <translation> - 无响应，将跳过</translation>
    </message>
    <message>
        <source>No card is listed, so camera.conf was not written.

Attach the cards (or a reader with several slots) and wait until they are listed.</source>
        <translation>列表中没有卡，因此未写入 camera.conf。

请连接卡（或带多个插槽的读卡器），并等待它们出现在列表中。</translation>
    </message>
    <message numerus="yes">
        <source>Write %1 onto each of these %n cards?
%2</source>
        <translation>
            <numerusform>要将 %1 写入这 %n 张卡中的每一张吗？
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on each of them when it reads this camera.conf.</source>
        <translation>已勾选“格式化 SD 卡”：相机读取此 camera.conf 时会清除每张卡上的所有内容。</translation>
    </message>
    <message>
        <source>Set on &amp;All Cards</source>
        <translation>写入所有卡(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <source>Writing %1 onto %n cards...</source>
        <translation>
            <numerusform>正在将 %1 写入 %n 张卡...</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: written</source>
        <translation>%1：已写入</translation>
    </message>
    <message>
        <source>%1: not written - %2</source>
        <translation>%1：未写入 - %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 written to %2 of %n cards at %3</source>
        <translation>
            <numerusform>已于 %3 将 %1 写入 %n 张卡中的 %2 张</numerusform>
        </translation>
    </message>
    <message>
        <source>It holds %1.</source>
        <translation>其中有 %1。</translation>
    </message>
    <message>
        <source>What it holds could not be read: %1</source>
        <translation>无法读取其内容：%1</translation>
    </message>
    <message>
        <source>&quot;Format SD card&quot; is ticked: the camera erases everything on %1 when it reads this camera.conf.

%2

Write camera.conf with format=true anyway?</source>
        <translation>已勾选“格式化 SD 卡”：相机读取此 camera.conf 时会清除 %1 上的所有内容。

%2

仍要写入 format=true 的 camera.conf 吗？</translation>
    </message>
    <message>
        <source>Set and &amp;Format</source>
        <translation>写入并格式化(&amp;F)</translation>
    </message>
    <message>
        <source>Writing camera.conf to %1...</source>
        <translation>正在将 camera.conf 写入 %1...</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>卡 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Put back the camera.conf that %1 held before</source>
        <translation>恢复 %1 之前的 camera.conf</translation>
    </message>
    <message>
        <source>%1 written to %2 at %3</source>
        <translation>已于 %3 将 %1 写入 %2</translation>
    </message>
    <message>
        <source>Putting back the earlier camera.conf of %1...</source>
        <translation>正在恢复 %1 之前的 camera.conf...</translation>
    </message>
    <message>
        <source>The earlier camera.conf was not put back: %1</source>
        <translation>未能恢复之前的 camera.conf：%1</translation>
    </message>
    <message>
        <source>The earlier camera.conf is back on %1</source>
        <translation>之前的 camera.conf 已恢复到 %1</translation>
    </message>
    <message>
        <source>camera.conf removed again from %1</source>
        <translation>已再次从 %1 删除 camera.conf</translation>
    </message>
    <message>
        <source>The card %1 is gone: it was taken out or unmounted. camera.conf was not written.

Attach the card again and choose it in the device list.</source>
        <translation>卡 %1 已不在：它已被取出或卸载。未写入 camera.conf。

请重新连接该卡并在设备列表中选择它。</translation>
    </message>
</context>
<context>
    <name>marlix::ProfilePanel</name>
    <message>
        <source>%1

The profiles are shown, but nothing can be saved in this folder. Start marlix from a folder you can write to in order to keep profiles.</source>
        <translation>%1

配置文件已显示，但无法在此文件夹中保存任何内容。要保留配置文件，请从可写入的文件夹启动 marlix。</translation>
    </message>
    <message>
        <source>cfg.ini cannot be changed: %1</source>
        <translation>无法更改 cfg.ini：%1</translation>
    </message>
    <message>
        <source>%1, unsaved changes</source>
        <translation>%1，有未保存的更改</translation>
    </message>
    <message>
        <source>Unsaved changes: Save Profile keeps them</source>
        <translation>有未保存的更改：“保存”可保留它们</translation>
    </message>
    <message>
        <source>%1 - %2 (unsaved changes)</source>
        <translation>%1 - %2（有未保存的更改）</translation>
    </message>
    <message>
        <source>Save changes to profile %1?</source>
        <translation>要保存对配置文件 %1 的更改吗？</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program; the pages keep what they show (New Profile keeps it).</source>
        <translation>配置文件 %1 已被其他程序从 cfg.ini 中删除；页面保留当前显示的内容（“新建”可保留它）。</translation>
    </message>
    <message>
        <source>The profile %1 was removed from cfg.ini by another program.</source>
        <translation>配置文件 %1 已被其他程序从 cfg.ini 中删除。</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program, and the pages have unsaved changes.

Keep the pages as they are, or load the profile as cfg.ini holds it now?</source>
        <translation>配置文件 %1 已被其他程序在 cfg.ini 中更改，而页面有未保存的更改。

保留页面现状，还是按 cfg.ini 当前的内容读取该配置文件？</translation>
    </message>
    <message>
        <source>&amp;Keep the Pages</source>
        <translation>保留页面(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Load the Profile</source>
        <translation>读取配置文件(&amp;L)</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages show it as it is now.</source>
        <translation>配置文件 %1 已被其他程序在 cfg.ini 中更改；页面显示其当前内容。</translation>
    </message>
    <message>
        <source>The profile %1 was changed in cfg.ini by another program; the pages keep their changes.</source>
        <translation>配置文件 %1 已被其他程序在 cfg.ini 中更改；页面保留其更改。</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Profile %1 made from the pages and saved in cfg.ini at %2</source>
        <translation>已于 %2 根据页面创建配置文件 %1 并保存到 cfg.ini</translation>
    </message>
    <message>
        <source>Profile %1 deleted from cfg.ini (Ctrl+Z undoes it)</source>
        <translation>已从 cfg.ini 删除配置文件 %1（Ctrl+Z 可撤销）</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Undo the deletion of profile %1</source>
        <translation>撤销删除配置文件 %1</translation>
    </message>
    <message>
        <source>Profile %1 put back into cfg.ini</source>
        <translation>已将配置文件 %1 恢复到 cfg.ini</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

New Profile makes a profile of them.</source>
        <translation>未选择配置文件，因此无处保存页面。

“新建”可用它们创建配置文件。</translation>
    </message>
    <message>
        <source>No profile is chosen, so there is nothing to save the pages into.

Choose a profile in the list, or make one with New Profile.</source>
        <translation>未选择配置文件，因此无处保存页面。

请在列表中选择一个配置文件，或用“新建”创建一个。</translation>
    </message>
    <message>
        <source>The pages saved to profile %1 in %2 at %3</source>
        <translation>已于 %3 将页面保存到 %2 中的配置文件 %1</translation>
    </message>
</context>
<context>
    <name>marlix::TabControlWidget</name>
    <message>
        <source>Image Setting</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Mode Setting</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Photo Setting</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Video Setting</source>
        <translation>视频</translation>
    </message>
</context>
</TS>

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

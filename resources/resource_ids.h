// Numbers of the program's dialog templates, controls and pictures.
#pragma once

namespace marlix {

// Dialog templates.
inline constexpr int kIddAboutBox = 100;
inline constexpr int kIddMain = 102;
inline constexpr int kIddModePage = 129;
inline constexpr int kIddVideoPage = 130;
inline constexpr int kIddImagePage = 131;
inline constexpr int kIddNewProfile = 132;
inline constexpr int kIddPhotoPage = 133;
inline constexpr int kIddSystemPage = 134;

// Controls of the main window.
inline constexpr int kIdcDeviceList = 1000;
inline constexpr int kIdcProfileList = 1001;
inline constexpr int kIdcTab = 1002;
inline constexpr int kIdcNewProfile = 1003;
inline constexpr int kIdcDelProfile = 1004;
inline constexpr int kIdcSet = 1006;
inline constexpr int kIdcSaveProfile = 1062;

// Control of the New Profile dialog.
inline constexpr int kIdcProfileName = 1063;

// Pictures and strings.
inline constexpr int kIdrMainIcon = 127;
inline constexpr int kIdiAboutIcon = 128;
inline constexpr int kIdiDeviceIcon = 140;
inline constexpr int kIdbBanner = 145;
inline constexpr int kIdsAboutBox = 101;

}  // namespace marlix

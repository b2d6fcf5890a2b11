// The numbers of the program's dialog templates, of every control in them, and of its pictures:
// the templates (dialog_templates.cpp), the dialog classes that find their controls, and the
// tests all name them from here.
//
// Each template numbers its controls on its own, so the same number stands for different
// controls on different pages; the names say which page they belong to. A radio group is listed
// button by button in template order: the index of a button in its list is its position in the
// group, which is the option it selects. OK and Cancel are kIdOk and kIdCancel, controls without
// a number kIdStatic (dialog_template.h).
#pragma once

#include <array>

namespace marlix {

// ---- dialog templates --------------------------------------------------------------------------

inline constexpr int kIddAboutBox = 100;
inline constexpr int kIddMain = 102;
inline constexpr int kIddModePage = 129;
inline constexpr int kIddVideoPage = 130;
inline constexpr int kIddImagePage = 131;
inline constexpr int kIddNewProfile = 132;
inline constexpr int kIddPhotoPage = 133;
inline constexpr int kIddSystemPage = 134;

// ---- main window -------------------------------------------------------------------------------

inline constexpr int kIdcDeviceList = 1000;
inline constexpr int kIdcProfileList = 1001;
inline constexpr int kIdcTab = 1002;
inline constexpr int kIdcNewProfile = 1003;
inline constexpr int kIdcDelProfile = 1004;
inline constexpr int kIdcSet = 1006;
inline constexpr int kIdcSaveProfile = 1062;

// ---- New Profile dialog ------------------------------------------------------------------------

inline constexpr int kIdcProfileName = 1063;
inline constexpr int kIdcProfileNameLabel = 1112;

// ---- Mode page ---------------------------------------------------------------------------------

inline constexpr std::array kIdcMode1Buttons{1007, 1008, 1009, 1042, 1043};
inline constexpr std::array kIdcMode2Buttons{1010, 1013, 1014};
inline constexpr std::array kIdcMode3Buttons{1016, 1017, 1018, 1019};
inline constexpr int kIdcMode1Heading = 1011;
inline constexpr int kIdcMode2Heading = 1012;
inline constexpr int kIdcMode3Heading = 1015;

// ---- Video page --------------------------------------------------------------------------------

inline constexpr std::array kIdcVideoQualityButtons{1012, 1013, 1014};
inline constexpr std::array kIdcFovButtons{1015, 1016, 1017};
inline constexpr std::array kIdcTimelapseButtons{1018, 1019, 1020, 1021, 1022, 1023, 1024};
inline constexpr std::array kIdcVideoStampButtons{1027, 1028, 1029, 1031};
inline constexpr std::array kIdcAutoRecButtons{1042, 1043};
inline constexpr std::array kIdcLoopRecButtons{1044, 1086, 1088, 1089};
inline constexpr std::array kIdcRecBeepButtons{1103, 1104, 1105, 1106};
inline constexpr int kIdcMicVolSlider = 1079;
inline constexpr int kIdcMicVolText = 1084;  // the slider's value, below it
inline constexpr int kIdcMicVolMinLabel = 1081;
inline constexpr int kIdcMicVolMaxLabel = 1082;
inline constexpr int kIdcVideoQualityHeading = 1041;
inline constexpr int kIdcFovHeading = 1034;
inline constexpr int kIdcTimelapseHeading = 1033;
inline constexpr int kIdcVideoStampHeading = 1032;
inline constexpr int kIdcAutoRecHeading = 1085;
inline constexpr int kIdcLoopRecHeading = 1087;
inline constexpr int kIdcMicVolHeading = 1080;
inline constexpr std::array kIdcVideoLines{1025, 1026, 1030, 1035, 1037, 1036};

// ---- Image page --------------------------------------------------------------------------------

inline constexpr std::array kIdcMeterButtons{1042, 1043, 1044};
inline constexpr std::array kIdcIsoButtons{1047, 1048, 1049, 1050, 1051, 1052};
inline constexpr std::array kIdcWbButtons{1054, 1056, 1055, 1057};
inline constexpr int kIdcEvSlider = 1058;
inline constexpr int kIdcEvText = 1059;
inline constexpr int kIdcSharpnessSlider = 1109;
inline constexpr int kIdcSharpnessText = 1111;
inline constexpr int kIdcMeterHeading = 1045;
inline constexpr int kIdcIsoHeading = 1046;
inline constexpr int kIdcWbHeading = 1053;
inline constexpr int kIdcEvHeading = 1060;
inline constexpr int kIdcSharpnessHeading = 1110;

// ---- Photo page --------------------------------------------------------------------------------

inline constexpr std::array kIdcPhotoQualityButtons{1036, 1037, 1038};
inline constexpr std::array kIdcAutoShootButtons{1043, 1107, 1108, 1044, 1045, 1046, 1047, 1048};
inline constexpr std::array kIdcPhotoStampButtons{1052, 1053, 1054, 1055};
inline constexpr std::array kIdcPhotoBurstButtons{1090, 1091, 1089, 1092, 1093};  // "20 P" hidden
inline constexpr int kIdcPhotoQualityHeading = 1040;
inline constexpr int kIdcAutoShootHeading = 1042;
inline constexpr int kIdcPhotoStampHeading = 1051;
inline constexpr int kIdcPhotoBurstHeading = 1094;
inline constexpr std::array kIdcPhotoLines{1039, 1050, 1056};

// ---- System page -------------------------------------------------------------------------------

inline constexpr int kIdcSyncClock = 1061;
inline constexpr int kIdcFormat = 1099;
inline constexpr std::array kIdcImageRotateButtons{1042, 1043};
inline constexpr std::array kIdcTvModeButtons{1069, 1070};
inline constexpr std::array kIdcLightFreqButtons{1072, 1073};
inline constexpr std::array kIdcAutoShutdownButtons{1044, 1065, 1066, 1067};
inline constexpr std::array kIdcDateFmtButtons{1076, 1077, 1078};
inline constexpr std::array kIdcOsdButtons{1096, 1097};
inline constexpr std::array kIdcOpBeepButtons{1100, 1101};
inline constexpr int kIdcImageRotateHeading = 1064;
inline constexpr int kIdcTvModeHeading = 1075;
inline constexpr int kIdcLightFreqHeading = 1074;
inline constexpr int kIdcAutoShutdownHeading = 1068;
inline constexpr int kIdcDateFmtHeading = 1083;
inline constexpr int kIdcOsdHeading = 1098;
inline constexpr int kIdcOpBeepHeading = 1102;
inline constexpr std::array kIdcSystemLines{1051, 1050, 1053, 1054, 1052, 1055, 1056};

// ---- pictures ----------------------------------------------------------------------------------

inline constexpr int kIdrMainIcon = 127;    // window icon: 16, 32, 48, 64, 128 px
inline constexpr int kIdiAboutIcon = 128;   // About box: 16, 24, 32, 48, 256 px
inline constexpr int kIdiDeviceIcon = 140;  // device list: 16, 32 px
inline constexpr int kIdbBanner = 145;      // banner, 403 by 44 px with alpha

}  // namespace marlix

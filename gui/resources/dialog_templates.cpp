// The dialog templates of the program. Control order is creation order: it decides the Tab order
// and which radio buttons form a group, so it is kept exactly as the layouts were drawn, IDs out
// of order included. Where a layout gave only a control's corner, its size is chosen to fit the
// caption at the template's font without reaching the next control.
//
// Captions are kept letter for letter as users know them; those that look like typos are marked
// "as shipped" so that nobody corrects them. Each caption that is a word is marked for translation
// in its dialog's context (translations/); resolutions, numbers, units and names stay as they are
// in every language.
//
// A control that shows a setting names it (the first button of its group, its check box or
// slider): that is all a page needs to bind the setting to its field.
#include <QtGlobal>  // QT_TRANSLATE_NOOP: marks the captions for lupdate
#include <array>

#include "core/schema/setting_rows.h"
#include "gui/layout/dialog_template.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

namespace {

constexpr unsigned kTab = kTabStop | kVisible;

constexpr ControlTemplate Radio(int id, std::string_view caption, DlgRect rect,
                                unsigned style = kTab) {
    return ControlTemplate{ControlKind::RadioButton, id, caption, rect, style};
}
constexpr int Shows(Setting setting) {
    return static_cast<int>(setting);
}
// First button of the radio group of a setting.
constexpr ControlTemplate FirstRadio(int id, std::string_view caption, DlgRect rect,
                                     Setting setting) {
    return ControlTemplate{
        ControlKind::RadioButton, id, caption, rect, kGroup | kTab, 0, Shows(setting)};
}
// Group heading: a static text that also closes the group before it.
constexpr ControlTemplate Heading(int id, std::string_view caption, DlgRect rect) {
    return ControlTemplate{ControlKind::StaticText, id, caption, rect, kGroup | kVisible};
}
constexpr ControlTemplate Label(int id, std::string_view caption, DlgRect rect) {
    return ControlTemplate{ControlKind::StaticText, id, caption, rect, kVisible};
}
constexpr ControlTemplate Line(int id, DlgRect rect) {
    return ControlTemplate{ControlKind::EtchedHorz, id, {}, rect, kVisible};
}
constexpr ControlTemplate Slider(int id, DlgRect rect, Setting setting) {
    return ControlTemplate{ControlKind::Slider, id, {}, rect, kTab, 0, Shows(setting)};
}
constexpr ControlTemplate Check(int id, std::string_view caption, DlgRect rect, Setting setting,
                                unsigned style = kTab) {
    return ControlTemplate{ControlKind::CheckBox, id, caption, rect, style, 0, Shows(setting)};
}

constexpr unsigned kPageStyle = kDsChild;
constexpr unsigned kPopupStyle = kDsCaption | kDsSysMenu | kDsModalFrame;
// Shown in the task bar.
constexpr unsigned kMainWindowStyle = kPopupStyle | kDsAppWindow;

// ---- About box ---------------------------------------------------------------------------------

constexpr std::array kAboutControls = {
    ControlTemplate{
        ControlKind::StaticIcon, kIdStatic, "marlix", {14, 14, 20, 20}, kVisible, kIdiAboutIcon},
    ControlTemplate{ControlKind::StaticText,
                    kIdStatic,
                    QT_TRANSLATE_NOOP("AboutDialog", "Marlix, Version 1.1"),
                    {42, 14, 114, 8},
                    kVisible | kNoPrefix},
    ControlTemplate{ControlKind::StaticText,
                    kIdStatic,
                    QT_TRANSLATE_NOOP("AboutDialog", "Settings for the HD action camera"),
                    {42, 26, 124, 8},
                    kVisible},
    ControlTemplate{ControlKind::DefPushButton,
                    kIdOk,
                    QT_TRANSLATE_NOOP("AboutDialog", "OK"),
                    {113, 41, 50, 14},
                    kGroup | kTab},
};

// ---- Main window -------------------------------------------------------------------------------

constexpr std::array kMainControls = {
    ControlTemplate{ControlKind::DefPushButton,
                    kIdOk,
                    QT_TRANSLATE_NOOP("MainWindow", "OK"),
                    {209, 429, 50, 14},
                    kTabStop},
    ControlTemplate{ControlKind::PushButton,
                    kIdCancel,
                    QT_TRANSLATE_NOOP("MainWindow", "Cancel"),
                    {604, 429, 50, 14},
                    kTabStop},
    ControlTemplate{ControlKind::ListView,
                    kIdcDeviceList,
                    QT_TRANSLATE_NOOP("MainWindow", "Removable drives"),
                    {7, 7, 436, 74},
                    kTab},
    ControlTemplate{ControlKind::ListBox,
                    kIdcProfileList,
                    QT_TRANSLATE_NOOP("MainWindow", "Profiles"),
                    {452, 7, 136, 74},
                    kTab},
    ControlTemplate{ControlKind::TabControl,
                    kIdcTab,
                    QT_TRANSLATE_NOOP("MainWindow", "Settings"),
                    {8, 97, 640, 329},
                    kTab},
    ControlTemplate{ControlKind::PushButton,
                    kIdcNewProfile,
                    QT_TRANSLATE_NOOP("MainWindow", "New Profile"),
                    {596, 7, 50, 14},
                    kTab},
    ControlTemplate{ControlKind::PushButton,
                    kIdcDelProfile,
                    QT_TRANSLATE_NOOP("MainWindow", "Del Profile"),
                    {596, 27, 50, 14},
                    kTab},
    ControlTemplate{ControlKind::PushButton,
                    kIdcSet,
                    QT_TRANSLATE_NOOP("MainWindow", "Set"),
                    {596, 66, 50, 14},
                    kTab},
    ControlTemplate{ControlKind::PushButton,
                    kIdcSaveProfile,
                    QT_TRANSLATE_NOOP("MainWindow", "Save Profile"),
                    {596, 46, 50, 14},
                    kTab},
    ControlTemplate{
        ControlKind::StaticBitmap, kIdStatic, "marlix", {382, 81, 269, 27}, kVisible, kIdbBanner},
};

// ---- Mode page ---------------------------------------------------------------------------------

constexpr std::array kModeControls = {
    FirstRadio(kIdcMode1Buttons[0], "2304x1296P 30", {15, 31, 95, 10}, Setting::Mode1),
    Radio(kIdcMode1Buttons[1], "1920x1080P 60", {15, 47, 95, 10}),
    Radio(kIdcMode1Buttons[2], "1920x1080P 30", {15, 63, 95, 10}),
    Radio(kIdcMode1Buttons[3], "1600x1200P 60", {15, 79, 95, 10}),
    Radio(kIdcMode1Buttons[4], "1600x1200P 30", {15, 94, 95, 10}),
    FirstRadio(kIdcMode2Buttons[0], "1280x720 120", {117, 31, 88, 10},
               Setting::Mode2),  // no QT_TRANSLATE_NOOP("ModePage", "P"), as shipped
    Radio(kIdcMode2Buttons[1], "1280x720P 60", {117, 47, 88, 10}),
    Radio(kIdcMode2Buttons[2], "1280x720P 30", {117, 63, 88, 10}),
    // Full-width brackets and colon, two spaces: as shipped.
    FirstRadio(kIdcMode3Buttons[0], "16M（4608x3456  4：3）", {211, 31, 150, 10}, Setting::Mode3),
    Radio(kIdcMode3Buttons[1], "12M（4000x3000  4：3）", {211, 47, 150, 10}),
    Radio(kIdcMode3Buttons[2], "8M（3264x2448  4：3）", {211, 63, 150, 10}),
    Radio(kIdcMode3Buttons[3], "5M（2560x1920  4：3）", {211, 79, 150, 10}),
    Heading(kIdcMode1Heading, QT_TRANSLATE_NOOP("ModePage", "Mode 1"), {15, 15, 60, 8}),
    Heading(kIdcMode2Heading, QT_TRANSLATE_NOOP("ModePage", "Mode 2"), {117, 15, 60, 8}),
    Heading(kIdcMode3Heading, QT_TRANSLATE_NOOP("ModePage", "Mode 3"), {211, 15, 60, 8}),
};

// ---- Video page --------------------------------------------------------------------------------

constexpr std::array kVideoControls = {
    FirstRadio(kIdcVideoQualityButtons[0], QT_TRANSLATE_NOOP("VideoPage", "SFine"),
               {22, 33, 50, 10}, Setting::VideoQuality),
    Radio(kIdcVideoQualityButtons[1], QT_TRANSLATE_NOOP("VideoPage", "Fine"), {77, 33, 50, 10}),
    Radio(kIdcVideoQualityButtons[2], QT_TRANSLATE_NOOP("VideoPage", "Normal"), {133, 33, 50, 10}),
    FirstRadio(kIdcFovButtons[0], QT_TRANSLATE_NOOP("VideoPage", "Wide"), {21, 72, 50, 10},
               Setting::Fov),
    Radio(kIdcFovButtons[1], QT_TRANSLATE_NOOP("VideoPage", "Normal"), {77, 72, 50, 10}),
    Radio(kIdcFovButtons[2], QT_TRANSLATE_NOOP("VideoPage", "Narrow"), {133, 72, 50, 10}),
    FirstRadio(kIdcTimelapseButtons[0], QT_TRANSLATE_NOOP("VideoPage", "OFF"), {21, 111, 50, 10},
               Setting::Timelapse),
    Radio(kIdcTimelapseButtons[1], QT_TRANSLATE_NOOP("VideoPage", "1 Seconds"),
          {77, 111, 54, 10}),  // as shipped
    Radio(kIdcTimelapseButtons[2], QT_TRANSLATE_NOOP("VideoPage", "2 Seconds"), {133, 111, 52, 10}),
    Radio(kIdcTimelapseButtons[3], QT_TRANSLATE_NOOP("VideoPage", "5 Seconds"), {186, 111, 56, 10}),
    Radio(kIdcTimelapseButtons[4], QT_TRANSLATE_NOOP("VideoPage", "10 Seconds"), {21, 128, 56, 10}),
    Radio(kIdcTimelapseButtons[5], QT_TRANSLATE_NOOP("VideoPage", "30 Seconds"), {77, 128, 56, 10}),
    Radio(kIdcTimelapseButtons[6], QT_TRANSLATE_NOOP("VideoPage", "60 Seconds"),
          {133, 128, 56, 10}),
    FirstRadio(kIdcVideoStampButtons[0], QT_TRANSLATE_NOOP("VideoPage", "OFF"), {20, 172, 50, 10},
               Setting::VideoStamp),
    Radio(kIdcVideoStampButtons[1], QT_TRANSLATE_NOOP("VideoPage", "Time"), {77, 172, 50, 10}),
    Radio(kIdcVideoStampButtons[2], QT_TRANSLATE_NOOP("VideoPage", "Date"), {131, 172, 48, 10}),
    Radio(kIdcVideoStampButtons[3], QT_TRANSLATE_NOOP("VideoPage", "Date& and Time"),
          {182, 172, 72, 10}),  // as shipped
    Heading(kIdcVideoQualityHeading, QT_TRANSLATE_NOOP("VideoPage", "Video Quality"),
            {23, 18, 70, 8}),
    Heading(kIdcFovHeading, QT_TRANSLATE_NOOP("VideoPage", "Fov"), {23, 56, 60, 8}),  // as shipped
    Heading(kIdcTimelapseHeading, QT_TRANSLATE_NOOP("VideoPage", "Timelapse"), {21, 95, 60, 8}),
    Heading(kIdcVideoStampHeading, QT_TRANSLATE_NOOP("VideoPage", "Video Stamp"), {21, 156, 60, 8}),
    Line(kIdcVideoLines[0], {21, 50, 277, 1}),
    Line(kIdcVideoLines[1], {21, 88, 277, 1}),
    Line(kIdcVideoLines[2], {19, 150, 277, 1}),
    Line(kIdcVideoLines[3], {20, 188, 277, 1}),
    Line(kIdcVideoLines[4], {21, 225, 277, 1}),
    Line(kIdcVideoLines[5], {354, 49, 275, 2}),
    Heading(kIdcAutoRecHeading, QT_TRANSLATE_NOOP("VideoPage", "Auto Record"), {22, 194, 60, 8}),
    FirstRadio(kIdcAutoRecButtons[0], QT_TRANSLATE_NOOP("VideoPage", "OFF"), {20, 209, 50, 10},
               Setting::AutoRec),
    Radio(kIdcAutoRecButtons[1], QT_TRANSLATE_NOOP("VideoPage", "ON"), {77, 209, 50, 10}),
    Heading(kIdcLoopRecHeading, QT_TRANSLATE_NOOP("VideoPage", "Loop Record"), {22, 233, 70, 8}),
    FirstRadio(kIdcLoopRecButtons[0], QT_TRANSLATE_NOOP("VideoPage", "OFF"), {20, 249, 50, 10},
               Setting::LoopRec),
    Radio(kIdcLoopRecButtons[1], QT_TRANSLATE_NOOP("VideoPage", "2 Min"), {77, 249, 48, 10}),
    Radio(kIdcLoopRecButtons[2], QT_TRANSLATE_NOOP("VideoPage", "3 Min"), {128, 249, 50, 10}),
    Radio(kIdcLoopRecButtons[3], QT_TRANSLATE_NOOP("VideoPage", "5 Min"), {183, 249, 50, 10}),
    Heading(kIdStatic, QT_TRANSLATE_NOOP("VideoPage", "Record Beep"), {355, 18, 60, 8}),
    FirstRadio(kIdcRecBeepButtons[0], QT_TRANSLATE_NOOP("VideoPage", "OFF"), {355, 33, 50, 10},
               Setting::RecBeep),
    Radio(kIdcRecBeepButtons[1], QT_TRANSLATE_NOOP("VideoPage", "5 Min"), {410, 33, 50, 10}),
    Radio(kIdcRecBeepButtons[2], QT_TRANSLATE_NOOP("VideoPage", "10 Min"), {474, 33, 50, 10}),
    Radio(kIdcRecBeepButtons[3], QT_TRANSLATE_NOOP("VideoPage", "15 Min"), {540, 33, 50, 10}),
    Heading(kIdcMicVolHeading, QT_TRANSLATE_NOOP("VideoPage", "Microphone Volume"),
            {355, 56, 80, 8}),
    Slider(kIdcMicVolSlider, {388, 69, 221, 28}, Setting::MicVol),
    Label(kIdcMicVolMinLabel, QT_TRANSLATE_NOOP("VideoPage", "Mute"), {361, 77, 27, 8}),
    Label(kIdcMicVolMaxLabel, "100%", {607, 77, 26, 8}),
    Label(kIdcMicVolText, "volume", {485, 100, 30, 16}),  // replaced by the value when drawn
};

// ---- Image page --------------------------------------------------------------------------------

constexpr std::array kImageControls = {
    Heading(kIdcMeterHeading, QT_TRANSLATE_NOOP("ImagePage", "Meter"), {15, 18, 75, 8}),
    FirstRadio(kIdcMeterButtons[0], QT_TRANSLATE_NOOP("ImagePage", "Spot"), {15, 33, 50, 10},
               Setting::ImageMeter),
    Radio(kIdcMeterButtons[1], QT_TRANSLATE_NOOP("ImagePage", "Multi"), {70, 33, 50, 10}),
    Radio(kIdcMeterButtons[2], QT_TRANSLATE_NOOP("ImagePage", "Center"), {126, 33, 50, 10}),
    Heading(kIdcIsoHeading, "ISO", {15, 52, 40, 8}),
    FirstRadio(kIdcIsoButtons[0], QT_TRANSLATE_NOOP("ImagePage", "Auto"), {15, 68, 50, 10},
               Setting::ImageIso),
    Radio(kIdcIsoButtons[1], "100", {70, 68, 50, 10}),
    Radio(kIdcIsoButtons[2], "200", {126, 68, 50, 10}),
    Radio(kIdcIsoButtons[3], "400", {181, 68, 48, 10}),
    Radio(kIdcIsoButtons[4], "800", {233, 68, 48, 10}),
    Radio(kIdcIsoButtons[5], "1600", {284, 68, 50, 10}),
    Heading(kIdcWbHeading, QT_TRANSLATE_NOOP("ImagePage", "White Balance"), {15, 87, 70, 8}),
    FirstRadio(kIdcWbButtons[0], QT_TRANSLATE_NOOP("ImagePage", "Auto"), {15, 103, 50, 10},
               Setting::ImageWb),
    Radio(kIdcWbButtons[1], QT_TRANSLATE_NOOP("ImagePage", "Sunny"), {69, 103, 60, 10}),
    Radio(kIdcWbButtons[2], QT_TRANSLATE_NOOP("ImagePage", "Cloudy"), {135, 103, 45, 10}),
    Radio(kIdcWbButtons[3], QT_TRANSLATE_NOOP("ImagePage", "Incandescent"), {182, 103, 70, 10}),
    Heading(kIdcEvHeading, "EV", {15, 125, 30, 8}),
    Slider(kIdcEvSlider, {24, 135, 323, 39}, Setting::ImageEv),
    Label(kIdStatic, "-", {19, 142, 5, 8}),
    Label(kIdStatic, "+", {352, 142, 8, 8}),
    Label(kIdStatic, "-2.0", {13, 165, 15, 8}),
    Label(kIdStatic, "+2.0", {347, 165, 20, 8}),
    Label(kIdcEvText, "ev", {182, 178, 22, 8}),
    Line(kIdStatic, {7, 46, 370, 1}),
    Line(kIdStatic, {7, 81, 370, 1}),
    Line(kIdStatic, {7, 116, 370, 1}),
    Line(kIdStatic, {7, 199, 370, 1}),
    Heading(kIdcSharpnessHeading, QT_TRANSLATE_NOOP("ImagePage", "Sharpness"), {15, 205, 50, 8}),
    Slider(kIdcSharpnessSlider, {24, 223, 323, 24}, Setting::ImageSharpness),
    Label(kIdStatic, QT_TRANSLATE_NOOP("ImagePage", "Soft"), {8, 231, 20, 8}),
    Label(kIdStatic, QT_TRANSLATE_NOOP("ImagePage", "Hard"), {348, 231, 24, 8}),
    Label(kIdcSharpnessText, "sharpness", {183, 250, 34, 8}),
};

// ---- New Profile dialog ------------------------------------------------------------------------

constexpr std::array kNewProfileControls = {
    ControlTemplate{ControlKind::DefPushButton,
                    kIdOk,
                    QT_TRANSLATE_NOOP("NewProfileDialog", "OK"),
                    {28, 51, 50, 14},
                    kGroup | kTab},
    ControlTemplate{ControlKind::PushButton,
                    kIdCancel,
                    QT_TRANSLATE_NOOP("NewProfileDialog", "Cancel"),
                    {106, 51, 50, 14},
                    kTab},
    // The field's label comes before it: screen readers and the mnemonic take it as the field's.
    Label(kIdcProfileNameLabel, QT_TRANSLATE_NOOP("NewProfileDialog", "&Name of the new profile:"),
          {15, 13, 162, 8}),
    ControlTemplate{ControlKind::Edit,
                    kIdcProfileName,
                    QT_TRANSLATE_NOOP("NewProfileDialog", "Profile name"),
                    {15, 25, 162, 14},
                    kTab},
};

// ---- Photo page --------------------------------------------------------------------------------

constexpr std::array kPhotoControls = {
    FirstRadio(kIdcPhotoQualityButtons[0], QT_TRANSLATE_NOOP("PhotoPage", "SFine"),
               {20, 32, 50, 10}, Setting::PhotoQuality),
    Radio(kIdcPhotoQualityButtons[1], QT_TRANSLATE_NOOP("PhotoPage", "Fine"), {72, 32, 46, 10}),
    Radio(kIdcPhotoQualityButtons[2], QT_TRANSLATE_NOOP("PhotoPage", "Normal"), {120, 32, 50, 10}),
    FirstRadio(kIdcAutoShootButtons[0], QT_TRANSLATE_NOOP("PhotoPage", "OFF"), {19, 73, 44, 10},
               Setting::AutoShoot),
    // No tab stop and no group start on these two: they still belong to the group above.
    Radio(kIdcAutoShootButtons[1], QT_TRANSLATE_NOOP("PhotoPage", "1 Second"), {65, 73, 54, 10},
          kVisible),
    Radio(kIdcAutoShootButtons[2], QT_TRANSLATE_NOOP("PhotoPage", "2 Seconds"), {121, 73, 60, 10},
          kVisible),
    Radio(kIdcAutoShootButtons[3], QT_TRANSLATE_NOOP("PhotoPage", "3 Seconds"), {185, 73, 60, 10}),
    Radio(kIdcAutoShootButtons[4], QT_TRANSLATE_NOOP("PhotoPage", "5 Seconds"), {19, 90, 60, 10}),
    Radio(kIdcAutoShootButtons[5], QT_TRANSLATE_NOOP("PhotoPage", "10 Seconds"), {81, 90, 64, 10}),
    Radio(kIdcAutoShootButtons[6], QT_TRANSLATE_NOOP("PhotoPage", "30 Seconds"), {150, 90, 66, 10}),
    Radio(kIdcAutoShootButtons[7], QT_TRANSLATE_NOOP("PhotoPage", "60 Seconds"), {222, 90, 66, 10}),
    FirstRadio(kIdcPhotoStampButtons[0], QT_TRANSLATE_NOOP("PhotoPage", "OFF"), {17, 133, 50, 10},
               Setting::PhotoStamp),
    Radio(kIdcPhotoStampButtons[1], QT_TRANSLATE_NOOP("PhotoPage", "Time"), {73, 133, 50, 10}),
    Radio(kIdcPhotoStampButtons[2], QT_TRANSLATE_NOOP("PhotoPage", "Date"), {129, 133, 48, 10}),
    Radio(kIdcPhotoStampButtons[3], QT_TRANSLATE_NOOP("PhotoPage", "Date& and Time"),
          {179, 133, 75, 10}),  // as shipped
    FirstRadio(kIdcPhotoBurstButtons[0], QT_TRANSLATE_NOOP("PhotoPage", "OFF"), {17, 183, 50, 10},
               Setting::PhotoBurst),
    Radio(kIdcPhotoBurstButtons[1], "3 P", {73, 183, 50, 10}),
    Radio(kIdcPhotoBurstButtons[2], "5 P", {129, 183, 48, 10}),
    Radio(kIdcPhotoBurstButtons[3], "10 P", {179, 183, 50, 10}),
    Radio(kIdcPhotoBurstButtons[4], "20 P", {237, 183, 50, 10}, kTabStop),  // never shown
    Heading(kIdcPhotoBurstHeading, QT_TRANSLATE_NOOP("PhotoPage", "Burst"), {19, 160, 40, 8}),
    Heading(kIdcPhotoQualityHeading, QT_TRANSLATE_NOOP("PhotoPage", "Photo Quality"),
            {21, 17, 60, 8}),
    Heading(kIdcAutoShootHeading, QT_TRANSLATE_NOOP("PhotoPage", "Auto Shoot"), {21, 57, 60, 8}),
    Heading(kIdcPhotoStampHeading, QT_TRANSLATE_NOOP("PhotoPage", "Photo Stamp"), {19, 117, 60, 8}),
    Line(kIdcPhotoLines[0], {19, 49, 425, 1}),
    Line(kIdcPhotoLines[1], {19, 109, 423, 1}),
    Line(kIdcPhotoLines[2], {19, 151, 423, 1}),
};

// ---- System page -------------------------------------------------------------------------------

constexpr std::array kSystemControls = {
    // The two check boxes are wider than first drawn (77 and 65): at our metric-compatible fonts
    // their captions would otherwise be clipped, and translated captions are longer still.
    Check(kIdcSyncClock, QT_TRANSLATE_NOOP("SystemPage", "sync time and date"), {27, 18, 110, 10},
          Setting::SyncClock, kGroup | kTab),
    Heading(kIdcImageRotateHeading, QT_TRANSLATE_NOOP("SystemPage", "Image Rotate"),
            {15, 42, 60, 8}),
    FirstRadio(kIdcImageRotateButtons[0], QT_TRANSLATE_NOOP("SystemPage", "Normal"),
               {27, 57, 42, 10}, Setting::ImageRotate),
    Radio(kIdcImageRotateButtons[1], QT_TRANSLATE_NOOP("SystemPage", "Rotate 180°"),
          {70, 57, 70, 10}),
    Heading(kIdcTvModeHeading, QT_TRANSLATE_NOOP("SystemPage", "TV Mode"), {18, 79, 50, 8}),
    FirstRadio(kIdcTvModeButtons[0], "NTSC", {27, 94, 42, 10}, Setting::TvMode),
    Radio(kIdcTvModeButtons[1], "PAL", {70, 94, 42, 10}),
    Heading(kIdcLightFreqHeading, QT_TRANSLATE_NOOP("SystemPage", "Ligh Frequence"),
            {19, 115, 70, 8}),  // as shipped
    FirstRadio(kIdcLightFreqButtons[0], "50Hz", {27, 131, 42, 10}, Setting::LightFreq),
    Radio(kIdcLightFreqButtons[1], "60Hz", {70, 131, 42, 10}),
    Heading(kIdcAutoShutdownHeading, QT_TRANSLATE_NOOP("SystemPage", "Auto Shutdown"),
            {17, 153, 70, 8}),
    FirstRadio(kIdcAutoShutdownButtons[0], QT_TRANSLATE_NOOP("SystemPage", "OFF"),
               {27, 168, 42, 10}, Setting::AutoShutdown),
    Radio(kIdcAutoShutdownButtons[1], QT_TRANSLATE_NOOP("SystemPage", "3 Min"), {70, 168, 50, 10}),
    Radio(kIdcAutoShutdownButtons[2], QT_TRANSLATE_NOOP("SystemPage", "5 Min"), {122, 168, 50, 10}),
    Radio(kIdcAutoShutdownButtons[3], QT_TRANSLATE_NOOP("SystemPage", "10 Min"),
          {178, 168, 50, 10}),
    Heading(kIdcDateFmtHeading, QT_TRANSLATE_NOOP("SystemPage", "Date Format"), {16, 196, 60, 8}),
    FirstRadio(kIdcDateFmtButtons[0], "yyyy-MM-dd HH:mm:ss", {27, 212, 100, 10}, Setting::DateFmt),
    // Each caption names the order of the option at its position (QT_TRANSLATE_NOOP("SystemPage",
    // "mdy"), then "dmy").
    Radio(kIdcDateFmtButtons[1], "MM-dd-yyyy HH:mm:ss", {129, 212, 120, 10}),
    Radio(kIdcDateFmtButtons[2], "dd-MM-yyyy HH:mm:ss", {256, 213, 120, 10}),
    Heading(kIdcOsdHeading, "OSD", {16, 240, 30, 8}),
    FirstRadio(kIdcOsdButtons[0], QT_TRANSLATE_NOOP("SystemPage", "OFF"), {27, 255, 42, 10},
               Setting::Osd),
    Radio(kIdcOsdButtons[1], QT_TRANSLATE_NOOP("SystemPage", "ON"), {70, 255, 42, 10}),
    // Inside the OSD run, but not a radio button: it takes no position there.
    Check(kIdcFormat, QT_TRANSLATE_NOOP("SystemPage", "Format SD card"), {266, 18, 90, 10},
          Setting::Format),
    Heading(kIdcOpBeepHeading, QT_TRANSLATE_NOOP("SystemPage", "Beep"), {17, 276, 30, 8}),
    FirstRadio(kIdcOpBeepButtons[0], QT_TRANSLATE_NOOP("SystemPage", "OFF"), {27, 291, 42, 10},
               Setting::OpBeep),
    Radio(kIdcOpBeepButtons[1], QT_TRANSLATE_NOOP("SystemPage", "ON"), {70, 291, 42, 10}),
    Line(kIdcSystemLines[0], {15, 35, 423, 1}),
    Line(kIdcSystemLines[1], {15, 72, 423, 1}),
    Line(kIdcSystemLines[2], {15, 108, 423, 1}),
    Line(kIdcSystemLines[3], {15, 145, 423, 1}),
    Line(kIdcSystemLines[4], {15, 187, 423, 1}),
    Line(kIdcSystemLines[5], {15, 230, 423, 1}),
    Line(kIdcSystemLines[6], {15, 271, 423, 1}),
};

constexpr std::array kTemplates = {
    DialogTemplate{kIddAboutBox, QT_TRANSLATE_NOOP("AboutDialog", "About Marlix"), 170, 62,
                   "MS Shell Dlg", 8, kPopupStyle, kAboutControls, "AboutDialog"},
    DialogTemplate{kIddMain, "MARLIX", 661, 450, "MS Shell Dlg", 8, kMainWindowStyle, kMainControls,
                   "MainWindow"},
    DialogTemplate{kIddModePage, "", 561, 251, "Microsoft Sans Serif", 10, kPageStyle,
                   kModeControls, "ModePage"},
    DialogTemplate{kIddVideoPage, "", 652, 356, "MS Shell Dlg", 8, kPageStyle, kVideoControls,
                   "VideoPage"},
    DialogTemplate{kIddImagePage, "", 567, 289, "MS Shell Dlg", 8, kPageStyle, kImageControls,
                   "ImagePage"},
    DialogTemplate{kIddNewProfile, QT_TRANSLATE_NOOP("NewProfileDialog", "New"), 192, 82,
                   "MS Shell Dlg", 8, kPopupStyle, kNewProfileControls, "NewProfileDialog"},
    DialogTemplate{kIddPhotoPage, "", 524, 292, "MS Shell Dlg", 8, kPageStyle, kPhotoControls,
                   "PhotoPage"},
    DialogTemplate{kIddSystemPage, "", 518, 325, "MS Shell Dlg", 8, kPageStyle, kSystemControls,
                   "SystemPage"},
};

}  // namespace

std::span<const DialogTemplate> DialogTemplates() {
    return kTemplates;
}

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& dialogTemplate : kTemplates) {
        if (dialogTemplate.id == id) {
            return &dialogTemplate;
        }
    }
    return nullptr;
}

}  // namespace marlix

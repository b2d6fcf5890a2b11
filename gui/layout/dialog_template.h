// Dialog templates as plain data: each dialog's caption, size, font and controls, so that a layout
// is changed in one table (resources/dialog_templates.cpp) rather than in code. TemplateDialog
// (template_dialog.h) creates the controls of a template in the order they stand there, which is
// also the keyboard order and the order that radio groups are walked in.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace marlix {

enum class ControlKind : std::uint8_t {
    PushButton,
    DefPushButton,
    RadioButton,   // automatic radio button
    CheckBox,      // automatic two-state check box
    StaticText,    // left-aligned, word-wrapping static text
    EtchedHorz,    // etched horizontal line
    StaticIcon,    // sized to the icon, whatever the template says
    StaticBitmap,  // sized to the bitmap, whatever the template says
    Edit,          // single line, border, scrolls horizontally
    ListBox,
    ListView,  // report view
    TabControl,
    Slider,  // track bar with ticks on both sides
};

// Control style flags.
inline constexpr unsigned kGroup = 1u << 0;     // starts a group (ends the one before)
inline constexpr unsigned kTabStop = 1u << 1;   // reachable with Tab
inline constexpr unsigned kVisible = 1u << 2;   // shown when the dialog is shown
inline constexpr unsigned kDisabled = 1u << 3;  // created disabled
inline constexpr unsigned kNoPrefix = 1u << 4;  // static text shows '&' literally

// Dialog style flags.
inline constexpr unsigned kDsChild = 1u << 0;  // a child window (a page), else a pop-up
inline constexpr unsigned kDsCaption = 1u << 1;
inline constexpr unsigned kDsSysMenu = 1u << 2;
inline constexpr unsigned kDsModalFrame = 1u << 3;
// The program's main window: a normal top-level window that window managers list in the task bar
// and the window switcher, rather than a dialog that belongs to another window.
inline constexpr unsigned kDsAppWindow = 1u << 4;

// Control IDs of the standard buttons, and "no ID".
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdStatic = -1;

// A rectangle in dialog units.
struct DlgRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// What a control that shows no setting binds to.
inline constexpr int kNoSetting = -1;

struct ControlTemplate {
    ControlKind kind;
    int id;  // kIdStatic (or 0) for none
    // UTF-8; '&' marks a mnemonic unless kNoPrefix. Kinds that show no caption (lists, sliders,
    // pictures, edit fields, the tab control) are called by it for screen readers.
    std::string_view caption;
    DlgRect rect;
    unsigned style;    // kGroup | kTabStop | kVisible | kDisabled | kNoPrefix
    int resource = 0;  // icon or bitmap number of StaticIcon / StaticBitmap
    // The setting the control shows, as the number of its row (schema/setting_rows.h): on the
    // first button of a radio group, a check box or a slider. The page's binding moves the
    // setting's field to and from it, so that a setting is shown by giving its control this number.
    int setting = kNoSetting;
};

inline bool IsRadioButton(const ControlTemplate& control) {
    return control.kind == ControlKind::RadioButton;
}

struct DialogTemplate {
    int id;
    std::string_view caption;
    int cx;  // client size in dialog units
    int cy;
    std::string_view fontFace;
    int pointSize;
    unsigned style;  // kDsChild | kDsCaption | kDsSysMenu | kDsModalFrame | kDsAppWindow
    std::span<const ControlTemplate> controls;
    // Where the translations of its captions are found (the context they are marked with in the
    // table); captions are looked up in the language marlix runs in when the controls are made.
    const char* translationContext = "";
};

// Every template of the program.
std::span<const DialogTemplate> DialogTemplates();
// The template with that number, or nullptr when the program has none.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace marlix

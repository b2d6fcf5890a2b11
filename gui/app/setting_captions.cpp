#include "gui/app/setting_captions.h"

#include "core/pages/page_logic.h"
#include "core/schema/setting_rows.h"
#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/layout/captions.h"
#include "gui/layout/template_dialog.h"

namespace marlix {

namespace {

QString Spoken(std::string_view caption) {
    return StripMnemonics(CaptionText(caption)).trimmed();
}

// What a slider's label shows at each position (the pages' initialize() pair them the same way).
using PositionText = std::string (*)(int);
PositionText SliderText(Setting setting) {
    switch (setting) {
        case Setting::MicVol:
            return MicVolumeText;
        case Setting::ImageEv:
            return EvText;
        case Setting::ImageSharpness:
            return SharpnessText;
        default:
            return nullptr;
    }
}

struct Captions {
    QString setting;  // empty: the key as camera.conf has it
    // The option at an index as its control shows it; empty: the text as camera.conf has it.
    std::function<QString(OptionIndex)> option;
};

Captions CaptionsOf(const PagesHost& pages, Setting setting) {
    const DialogTemplate* page = pages.pageTemplate(RowOf(setting).page);
    if (page == nullptr)
        return {};
    const auto controls = page->controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].setting != static_cast<int>(setting))
            continue;
        switch (controls[i].kind) {
            case ControlKind::CheckBox:
                return {Spoken(controls[i].caption),
                        [](OptionIndex index) { return index != 0 ? "ticked" : "not ticked"; }};
            case ControlKind::Slider:
                return {GroupHeading(controls, i, page->translationContext),
                        [setting](OptionIndex index) {
                            const PositionText text = SliderText(setting);
                            return text ? Q(text(index)) : QString();
                        }};
            case ControlKind::RadioButton:
                // The buttons from the first to the next group start, in option order.
                return {GroupHeading(controls, i, page->translationContext),
                        [controls, i](OptionIndex index) {
                            OptionIndex position = 0;
                            for (std::size_t j = i; j < controls.size(); ++j) {
                                if (j > i && (controls[j].style & kGroup) != 0)
                                    break;
                                if (IsRadioButton(controls[j]) && position++ == index)
                                    return Spoken(controls[j].caption);
                            }
                            return QString();
                        }};
            default:
                return {};
        }
    }
    return {};
}

}  // namespace

QString DifferenceText(const PagesHost& pages, const CameraConfDifference& difference) {
    const std::optional<Setting> setting = FindSetting(difference.key);
    Captions captions = setting ? CaptionsOf(pages, *setting) : Captions{};
    const auto shown = [&](const std::string& text) {
        if (setting && captions.option) {
            // The clock line is a flag, TRUE or FALSE, rather than one of the row's options.
            const std::optional<OptionIndex> index =
                *setting == Setting::SyncClock ? std::optional<OptionIndex>(text == "TRUE" ? 1 : 0)
                                               : FindOption(*setting, text, OptionScope::Camera);
            if (index) {
                if (QString caption = captions.option(*index); !caption.isEmpty())
                    return caption;
            }
        }
        return Q(text);
    };
    QString where = setting ? pages.tabCaption(RowOf(*setting).page) + ", " : QString();
    where += captions.setting.isEmpty() ? Q(difference.key) : captions.setting;
    return where + ": " + shown(difference.fileText) + " on the card, " +
           shown(difference.profileText) + " on the pages";
}

}  // namespace marlix

#include "gui/app/setting_captions.h"

#include <QCoreApplication>

#include "core/pages/page_logic.h"
#include "core/schema/setting_rows.h"
#include "gui/app/pages_host.h"
#include "gui/app/qt_text.h"
#include "gui/layout/captions.h"
#include "gui/layout/template_dialog.h"

namespace marlix {

namespace {

// A caption of the page's template as the page shows it, without its mnemonic.
QString Spoken(const DialogTemplate& page, std::string_view caption) {
    return StripMnemonics(TranslatedCaption(page.translationContext, caption)).trimmed();
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
    const char* context = page->translationContext;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].setting != static_cast<int>(setting))
            continue;
        switch (controls[i].kind) {
            case ControlKind::CheckBox:
                return {Spoken(*page, controls[i].caption), [](OptionIndex index) {
                            return index != 0
                                       ? QCoreApplication::translate("DifferenceText", "ticked")
                                       : QCoreApplication::translate("DifferenceText",
                                                                     "not ticked");
                        }};
            case ControlKind::Slider:
                return {GroupHeading(controls, i, context), [setting](OptionIndex index) {
                            // The words among the positions are translated as the slider's label
                            // shows them (slider.cpp).
                            const PositionText text = SliderText(setting);
                            return text ? QCoreApplication::translate("SliderPosition",
                                                                      text(index).c_str())
                                        : QString();
                        }};
            case ControlKind::RadioButton:
                // The buttons from the first to the next group start, in option order.
                return {GroupHeading(controls, i, context), [page, controls, i](OptionIndex index) {
                            OptionIndex position = 0;
                            for (std::size_t j = i; j < controls.size(); ++j) {
                                if (j > i && (controls[j].style & kGroup) != 0)
                                    break;
                                if (IsRadioButton(controls[j]) && position++ == index)
                                    return Spoken(*page, controls[j].caption);
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
    const QString name = captions.setting.isEmpty() ? Q(difference.key) : captions.setting;
    const QString where =
        setting ? QCoreApplication::translate("DifferenceText", "%1, %2", "page, setting")
                      .arg(pages.tabCaption(RowOf(*setting).page), name)
                : name;
    return QCoreApplication::translate("DifferenceText", "%1: %2 on the card, %3 on the pages")
        .arg(where, shown(difference.fileText), shown(difference.profileText));
}

}  // namespace marlix

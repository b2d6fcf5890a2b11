#include "core/schema/settings_schema.h"

#include "core/schema/setting_rows.h"

namespace marlix {

namespace {

// The schema is the rows seen section by section.
template <SectionIndex Section>
constexpr std::size_t keyCount() {
    std::size_t count = 0;
    for (const SettingRow& row : kSettingRows) count += row.section == Section ? 1 : 0;
    return count;
}

template <SectionIndex Section>
constexpr std::array<SettingKey, keyCount<Section>()> keysOf() {
    std::array<SettingKey, keyCount<Section>()> keys{};
    std::size_t k = 0;
    for (const SettingRow& row : kSettingRows) {
        if (row.section == Section)
            keys[k++] = SettingKey{row.name, row.options};
    }
    return keys;
}

constexpr auto kModeKeys = keysOf<kSectionMode>();
constexpr auto kVideoKeys = keysOf<kSectionVideo>();
constexpr auto kPhotoKeys = keysOf<kSectionPhoto>();
constexpr auto kImageKeys = keysOf<kSectionImage>();
constexpr auto kSystemKeys = keysOf<kSectionSystem>();

}  // namespace

const std::array<SettingSection, 5> SettingsSchema = {{
    {"mode", kModeKeys},
    {"video", kVideoKeys},
    {"photo", kPhotoKeys},
    {"image", kImageKeys},
    {"system", kSystemKeys},
}};

std::string_view KeyName(int section, int key) {
    return SettingsSchema[section].keys[key].name;
}

std::string_view OptionText(int section, int key, OptionIndex index) {
    return SettingsSchema[section].keys[key].options[index].text;
}

OptionIndex DefaultOptionIndex(int section, int key) {
    const auto options = SettingsSchema[section].keys[key].options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].isDefault == 1)
            return static_cast<OptionIndex>(i);
    }
    return 0;
}

std::optional<OptionIndex> FindOptionIndex(int section, int key, std::string_view text, int count) {
    const auto options = SettingsSchema[section].keys[key].options;
    for (int i = 0; i < count && i < static_cast<int>(options.size()); ++i) {
        if (options[i].text == text)
            return i;
    }
    return std::nullopt;
}

int OptionCount(int section, int key) {
    return static_cast<int>(SettingsSchema[section].keys[key].options.size());
}

}  // namespace marlix

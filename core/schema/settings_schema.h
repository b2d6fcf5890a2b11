// The fixed vocabulary of camera settings as sections of keys of options, derived from the rows
// of schema/setting_rows.h, where every key name and option text is spelled. A setting is
// addressed by (section index, key index), as the pages address their fields; a choice is an
// OptionIndex.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace marlix {

using OptionIndex = std::int32_t;

struct SettingOption {
    std::string_view text;
    std::int32_t isDefault;  // 1 for the key's default option
};

struct SettingKey {
    std::string_view name;
    std::span<const SettingOption> options;  // empty for sync_clock, which is a flag
};

struct SettingSection {
    std::string_view name;
    std::span<const SettingKey> keys;
};

enum SectionIndex : int {
    kSectionMode = 0,
    kSectionVideo = 1,
    kSectionPhoto = 2,
    kSectionImage = 3,
    kSectionSystem = 4,
};

extern const std::array<SettingSection, 5> SettingsSchema;

std::string_view KeyName(int section, int key);
std::string_view OptionText(int section, int key, OptionIndex index);
OptionIndex DefaultOptionIndex(int section, int key);
// First index among the first `count` options whose text equals `text` exactly; nullopt when
// none does (callers that read an unknown text as the first option say so).
std::optional<OptionIndex> FindOptionIndex(int section, int key, std::string_view text, int count);
int OptionCount(int section, int key);

// A (section, key) address, for tables that walk the schema in some order of their own.
struct SettingAddress {
    int section;
    int key;
};

}  // namespace marlix

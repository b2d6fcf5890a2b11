// The fixed vocabulary of camera settings: every key name and option text is spelled here and
// nowhere else. A setting is addressed by (section index, key index); a choice is an OptionIndex.
#pragma once

#include <array>
#include <cstdint>
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

// Key indices of the system section that others refer to by name.
inline constexpr int kSyncClockKey = 0;
inline constexpr int kFormatKey = 8;

extern const std::array<SettingSection, 5> SettingsSchema;

std::string_view KeyName(int section, int key);
std::string_view OptionText(int section, int key, OptionIndex index);
OptionIndex DefaultOptionIndex(int section, int key);
// First index among the first `count` options whose text equals `text` exactly; 0 when none does.
OptionIndex FindOptionIndex(int section, int key, std::string_view text, int count);
int OptionCount(int section, int key);

// A (section, key) address, for tables that walk the schema in some order of their own.
struct SettingAddress {
    int section;
    int key;
};

}  // namespace marlix

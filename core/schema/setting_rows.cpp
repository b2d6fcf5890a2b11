#include "core/schema/setting_rows.h"

#include <cassert>
#include <type_traits>

namespace marlix {

namespace {

constexpr bool rowsAreInSettingOrder() {
    for (std::size_t i = 0; i < kSettingRows.size(); ++i) {
        if (static_cast<std::size_t>(kSettingRows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsAreInSettingOrder(), "kSettingRows must list the settings in enum order");

// Every place from 0 to count - 1 taken by exactly one row.
constexpr bool positionsAreAPermutation(int SettingRow::*position, std::size_t count) {
    std::array<int, kSettingCount> taken{};
    std::size_t used = 0;
    for (const SettingRow& row : kSettingRows) {
        const int at = row.*position;
        if (at == kNoPosition)
            continue;
        if (at < 0 || static_cast<std::size_t>(at) >= count || taken[at]++ != 0)
            return false;
        ++used;
    }
    return used == count;
}
static_assert(positionsAreAPermutation(&SettingRow::profilePosition, kSettingCount));
static_assert(positionsAreAPermutation(&SettingRow::cameraConfPosition, kCameraConfSettingCount));

constexpr bool countsFitTheOptions() {
    for (const SettingRow& row : kSettingRows) {
        if (row.shownOptions > row.pageOptions ||
            row.pageOptions > static_cast<int>(row.options.size()))
            return false;
    }
    return true;
}
static_assert(countsFitTheOptions());

template <std::size_t N>
constexpr std::array<Setting, N> orderedBy(int SettingRow::*position) {
    std::array<Setting, N> order{};
    for (const SettingRow& row : kSettingRows) {
        if (row.*position != kNoPosition)
            order[static_cast<std::size_t>(row.*position)] = row.id;
    }
    return order;
}

template <typename Selections>
auto& fieldOf(Selections& s, Setting id) {
    return std::visit(
        [&](auto member) -> auto& {
            if constexpr (std::is_same_v<decltype(member), int ModeFields::*>)
                return s.mode.*member;
            else if constexpr (std::is_same_v<decltype(member), int VideoFields::*>)
                return s.video.*member;
            else if constexpr (std::is_same_v<decltype(member), int ImageFields::*>)
                return s.image.*member;
            else if constexpr (std::is_same_v<decltype(member), int PhotoFields::*>)
                return s.photo.*member;
            else
                return s.system.*member;
        },
        RowOf(id).field);
}

}  // namespace

const std::array<Setting, kSettingCount> kProfileSaveOrder =
    orderedBy<kSettingCount>(&SettingRow::profilePosition);
const std::array<Setting, kCameraConfSettingCount> kCameraConfOrder =
    orderedBy<kCameraConfSettingCount>(&SettingRow::cameraConfPosition);

std::optional<Setting> SettingAt(int section, int key) {
    for (const SettingRow& row : kSettingRows) {
        if (row.section == section && key-- == 0)
            return row.id;
    }
    return std::nullopt;
}

std::optional<Setting> FindSetting(std::string_view name) {
    for (const SettingRow& row : kSettingRows) {
        if (row.name == name)
            return row.id;
    }
    return std::nullopt;
}

int OptionCount(Setting id, OptionScope scope) {
    const SettingRow& row = RowOf(id);
    switch (scope) {
        case OptionScope::Camera:
            return static_cast<int>(row.options.size());
        case OptionScope::Page:
            return row.pageOptions;
        case OptionScope::Shown:
            return row.shownOptions;
    }
    return 0;
}

std::optional<OptionIndex> FindOption(Setting id, std::string_view text, OptionScope scope) {
    const auto options = RowOf(id).options;
    for (int i = 0; i < OptionCount(id, scope); ++i) {
        if (options[static_cast<std::size_t>(i)].text == text)
            return i;
    }
    return std::nullopt;
}

std::string_view OptionText(Setting id, OptionIndex index) {
    assert(index >= 0 && index < OptionCount(id, OptionScope::Camera));
    return RowOf(id).options[static_cast<std::size_t>(index)].text;
}

OptionIndex DefaultOptionIndex(Setting id) {
    const auto options = RowOf(id).options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].isDefault == 1)
            return static_cast<OptionIndex>(i);
    }
    return 0;
}

int& SelectionField(ProfileSelections& selections, Setting id) {
    return fieldOf(selections, id);
}

int SelectionField(const ProfileSelections& selections, Setting id) {
    return fieldOf(selections, id);
}

ProfileSelections DefaultSelections() {
    ProfileSelections s;
    for (const SettingRow& row : kSettingRows) {
        // The clock flag is the one setting without options; a new profile has it set.
        SelectionField(s, row.id) = row.options.empty() ? 1 : DefaultOptionIndex(row.id);
    }
    return s;
}

}  // namespace marlix

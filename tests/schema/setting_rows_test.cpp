// The rows are data; what is tested is what is derived from them and the searches over them.
// The orders and defaults themselves are checked byte for byte by the golden files.
#include "core/schema/setting_rows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace marlix {
namespace {

TEST(SettingRows, EverySettingHasAFieldAndAPlaceOfItsOwn) {
    ProfileSelections s;
    std::set<int*> fields;
    std::set<std::string_view> names;
    for (const SettingRow& row : kSettingRows) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_TRUE(fields.insert(&SelectionField(s, row.id)).second);
        EXPECT_TRUE(names.insert(row.name).second);
        EXPECT_EQ(FindSetting(row.name), row.id);
        if (row.options.empty())
            continue;
        int defaults = 0;
        for (const SettingOption& option : row.options) defaults += option.isDefault;
        EXPECT_EQ(defaults, 1);
        EXPECT_EQ(SelectionField(DefaultSelections(), row.id), DefaultOptionIndex(row.id));
    }
    EXPECT_EQ(FindSetting("enable_cfg"), std::nullopt);
}

TEST(SettingRows, OptionSearchIsExactAndSaysWhenNothingMatches) {
    struct Case {
        Setting setting;
        const char* text;
        OptionScope scope;
        std::optional<OptionIndex> expected;
    };
    const Case cases[] = {
        {Setting::Mode1, "1920x1080p 60", OptionScope::Shown, 1},
        {Setting::Mode1, "1920X1080P 60", OptionScope::Camera, std::nullopt},  // case matters
        {Setting::Mode1, "1920x1080p 60 ", OptionScope::Camera, std::nullopt},
        {Setting::Fov, "normal", OptionScope::Shown, 1},
        {Setting::VideoStamp, "Date&Time", OptionScope::Shown, 3},
        {Setting::ImageIso, "3200", OptionScope::Camera, 6},           // the camera knows it,
        {Setting::ImageIso, "3200", OptionScope::Page, std::nullopt},  // no page shows it
        {Setting::AutoShutdown, "60Min", OptionScope::Page, std::nullopt},
        {Setting::AutoShutdown, "10Min", OptionScope::Page, 3},
        {Setting::PhotoBurst, "20p", OptionScope::Page, 4},  // a hidden button keeps it
        {Setting::PhotoBurst, "20p", OptionScope::Shown, std::nullopt},
        {Setting::Mode3, "", OptionScope::Camera, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindOption(c.setting, c.text, c.scope), c.expected)
            << RowOf(c.setting).name << " " << c.text;
    }
}

}  // namespace
}  // namespace marlix

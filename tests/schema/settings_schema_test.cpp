#include "schema/settings_schema.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace marlix {
namespace {

TEST(SettingsSchema, DefaultsKeyByKey) {
    const std::vector<std::vector<int>> expected = {
        {1, 0, 0},
        {0, 0, 0, 0, 4, 0, 3, 0},
        {0, 3, 0, 0},
        {2, 0, 0, 6, 2},
        {-1, 0, 0, 1, 1, 0, 1, 1, 0},  // sync_clock has no options
    };
    for (int s = 0; s < 5; ++s) {
        ASSERT_EQ(SettingsSchema[s].keys.size(), expected[s].size()) << "section " << s;
        for (int k = 0; k < static_cast<int>(expected[s].size()); ++k) {
            if (expected[s][k] < 0) continue;
            EXPECT_EQ(DefaultOptionIndex(s, k), expected[s][k]) << s << "," << k;
        }
    }
}

TEST(SettingsSchema, EveryOptionKeyHasExactlyOneDefaultAndUniqueNames) {
    std::set<std::string> names;
    for (const auto& section : SettingsSchema) {
        for (const auto& key : section.keys) {
            EXPECT_TRUE(names.insert(std::string(key.name)).second) << key.name;
            if (key.name == "sync_clock") {
                EXPECT_TRUE(key.options.empty());
                continue;
            }
            int defaults = 0;
            for (const auto& option : key.options) defaults += option.isDefault;
            EXPECT_EQ(defaults, 1) << key.name;
        }
    }
    EXPECT_EQ(names.size(), 29u);
}

TEST(SettingsSchema, FindOptionIndexIsExactAndFallsBackToFirstOption) {
    struct Case {
        int section, key;
        const char* text;
        int count;
        OptionIndex expected;
    };
    const Case cases[] = {
        {0, 0, "1920x1080p 60", 5, 1},
        {0, 0, "1920X1080P 60", 5, 0},  // case matters
        {0, 0, "1920x1080p 60 ", 5, 0},
        {1, 0, "normal", 3, 2},
        {1, 1, "normal", 3, 1},
        {4, 1, "normal", 2, 0},
        {3, 1, "3200", 6, 0},  // beyond the compared options
        {3, 1, "3200", 7, 6},
        {4, 4, "30Min", 4, 0},
        {4, 4, "10Min", 4, 3},
        {1, 3, "Date&Time", 4, 3},
        {2, 3, "20p", 5, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindOptionIndex(c.section, c.key, c.text, c.count), c.expected)
            << c.section << "," << c.key << " " << c.text;
    }
    for (int s = 0; s < 5; ++s) {
        for (int k = 0; k < static_cast<int>(SettingsSchema[s].keys.size()); ++k) {
            if (OptionCount(s, k) == 0) continue;
            EXPECT_EQ(FindOptionIndex(s, k, "", OptionCount(s, k)), 0);
        }
    }
}

TEST(SettingsSchema, TextsAndNames) {
    EXPECT_EQ(OptionText(3, 4, 2), "3");
    EXPECT_EQ(OptionText(4, 3, 1), "60Hz");
    EXPECT_EQ(OptionText(4, 4, 1), "3Min");
    EXPECT_EQ(OptionText(1, 6, 3), "5min");
    EXPECT_EQ(OptionText(0, 0, 0), "2304x1296p 30");
    EXPECT_EQ(OptionText(3, 3, 6), "0.0");
    EXPECT_EQ(OptionText(3, 3, 7), "+0.3");
    EXPECT_EQ(OptionText(4, 5, 1), "mdy");
    EXPECT_EQ(KeyName(4, 0), "sync_clock");
    EXPECT_EQ(KeyName(2, 3), "photo_burst");
    EXPECT_EQ(SettingsSchema[2].name, "photo");
    EXPECT_EQ(SettingsSchema[3].name, "image");
}

}  // namespace
}  // namespace marlix

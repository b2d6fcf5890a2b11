#include "core/pages/page_logic.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/schema/setting_rows.h"

namespace marlix {
namespace {

TEST(SliderLabels, EmptyOutsideTheirSlider) {
    for (int position : {-1, 7, 100}) {
        EXPECT_EQ(MicVolumeText(position), "") << position;
    }
    for (int position : {-1, 13}) {
        EXPECT_EQ(EvText(position), "") << position;
    }
    for (int position : {-1, 5}) {
        EXPECT_EQ(SharpnessText(position), "") << position;
    }
}

TEST(SliderLabels, MatchTheStoredOptionsExceptTheEvMiddle) {
    // mic_vol "mute" is shown capitalised; EV 6 is shown as "0" but stored as "0.0".
    EXPECT_EQ(MicVolumeText(0), "Mute");
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(MicVolumeText(i), OptionText(Setting::MicVol, i));
    }
    for (int i = 0; i <= 12; ++i) {
        if (i != 6) {
            EXPECT_EQ(EvText(i), OptionText(Setting::ImageEv, i)) << i;
        }
    }
    EXPECT_EQ(EvText(6), "0");
    EXPECT_EQ(OptionText(Setting::ImageEv, 6), "0.0");
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(SharpnessText(i), OptionText(Setting::ImageSharpness, i));
    }
}

// One click on the Photo page: which group, the fields the page shows afterwards, and what the
// click must leave behind.
struct Click {
    enum Group { kBurst, kAutoShoot } group;
    int autoShoot;
    int burst;
    GroupState other;
    std::uint8_t flags;
    int exportedAutoShoot;
    int exportedBurst;
};

void Replay(const std::vector<Click>& clicks, std::uint8_t startFlags = 0) {
    PhotoFields fields;
    fields.m_photoInterlock = startFlags;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const Click& c = clicks[i];
        SCOPED_TRACE(i);
        fields.m_autoShoot = c.autoShoot;
        fields.m_photoBurst = c.burst;
        const GroupState other =
            c.group == Click::kBurst ? ApplyBurstClick(fields) : ApplyAutoShootClick(fields);
        EXPECT_EQ(other, c.other);
        EXPECT_EQ(fields.m_photoInterlock, c.flags);
        EXPECT_EQ(AutoShootForExport(fields), c.exportedAutoShoot);
        EXPECT_EQ(PhotoBurstForExport(fields), c.exportedBurst);
        // The rule never touches the selections themselves.
        EXPECT_EQ(fields.m_autoShoot, c.autoShoot);
        EXPECT_EQ(fields.m_photoBurst, c.burst);
    }
}

TEST(PhotoInterlock, BurstChosenOverAutoShootAndSwitchedOffAgain) {
    Replay({
        // "3 P" while auto shoot is "3s": auto shoot is disabled and exported as "off".
        {Click::kBurst, 3, 1, GroupState::Disabled, kInterlockBurst, 0, 1},
        // Burst "OFF": only flag 2 is cleared; with the burst field 0, auto shoot counts again.
        {Click::kBurst, 3, 0, GroupState::Enabled, kInterlockBurst, 3, 0},
    });
}

TEST(PhotoInterlock, AutoShootChosenOverBurstAndSwitchedOffAgain) {
    Replay({
        {Click::kAutoShoot, 4, 2, GroupState::Disabled, kInterlockAutoShoot, 4, 0},
        {Click::kAutoShoot, 0, 2, GroupState::Enabled, kInterlockAutoShoot, 0, 2},
    });
}

TEST(PhotoInterlock, TheLastSwitchedOnWinsAndClearsTheOtherFlag) {
    Replay({
        {Click::kBurst, 0, 3, GroupState::Disabled, kInterlockBurst, 0, 3},
        {Click::kAutoShoot, 2, 3, GroupState::Disabled, kInterlockAutoShoot, 2, 0},
        {Click::kBurst, 2, 1, GroupState::Disabled, kInterlockBurst, 0, 1},
        // The hidden "20p" (4) counts as a burst count like any other.
        {Click::kAutoShoot, 7, 4, GroupState::Disabled, kInterlockAutoShoot, 7, 0},
    });
}

TEST(PhotoInterlock, OffClicksKeepTheirOwnFlag) {
    // Auto-shoot "OFF" clears flag 1 only; burst "OFF" clears flag 2 only.
    Replay({{Click::kAutoShoot, 0, 0, GroupState::Enabled, kInterlockAutoShoot, 0, 0}},
           kInterlockAutoShoot);
    Replay({{Click::kBurst, 0, 0, GroupState::Enabled, kInterlockBurst, 0, 0}}, kInterlockBurst);
    Replay({{Click::kAutoShoot, 0, 0, GroupState::Enabled, 0, 0, 0}}, kInterlockBurst);
    Replay({{Click::kBurst, 0, 0, GroupState::Enabled, 0, 0, 0}}, kInterlockAutoShoot);
}

TEST(PhotoInterlock, SurvivingFlagActsOnAProfileThatTurnsItsFieldOn) {
    PhotoFields fields;
    fields.m_autoShoot = 4;
    ApplyAutoShootClick(fields);  // flag 2
    fields.m_autoShoot = 0;
    ApplyAutoShootClick(fields);  // "OFF": flag 2 stays
    EXPECT_EQ(fields.m_photoInterlock, kInterlockAutoShoot);
    // Another profile holding both, loaded without a click.
    fields.m_autoShoot = 3;
    fields.m_photoBurst = 2;
    EXPECT_EQ(AutoShootForExport(fields), 3);
    EXPECT_EQ(PhotoBurstForExport(fields), 0);
    // With no flag at all, both are written as they stand.
    PhotoFields clear;
    clear.m_autoShoot = 3;
    clear.m_photoBurst = 2;
    EXPECT_EQ(AutoShootForExport(clear), 3);
    EXPECT_EQ(PhotoBurstForExport(clear), 2);
}

}  // namespace
}  // namespace marlix

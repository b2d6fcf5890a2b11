// The chosen card's camera.conf: reading it off the card, setting it against the pages, and
// loading it into them.
#include "core/devices/card_state.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/export/camera_conf.h"
#include "core/export/camera_conf_reader.h"
#include "core/schema/setting_rows.h"
#include "tests/support/scratch_dir.h"

namespace marlix {
namespace {

using test_support::ScratchDirTest;
using test_support::WriteTestFile;

class CardConfTest : public ScratchDirTest {
protected:
    CardConf Read() { return ReadCardConf(m_dir.string() + "/"); }
    std::filesystem::path Conf() const { return m_dir / "camera.conf"; }
};

TEST_F(CardConfTest, ReadsARegularFileUpToItsLimitAndNothingElse) {
    EXPECT_EQ(Read(), (CardConf{CardConfKind::Missing, {}}));
    WriteTestFile(Conf(), "enable_cfg=true\r\n");
    EXPECT_EQ(Read(), (CardConf{CardConfKind::Read, "enable_cfg=true\r\n"}));
    WriteTestFile(Conf(), std::string(kCameraConfReadLimit, 'x'));
    EXPECT_EQ(Read().kind, CardConfKind::Read);
    WriteTestFile(Conf(), std::string(kCameraConfReadLimit + 1, 'x'));
    EXPECT_EQ(Read(), (CardConf{CardConfKind::TooLarge, {}}));
    std::filesystem::remove(Conf());
    std::filesystem::create_directory(Conf());
    EXPECT_EQ(Read(), (CardConf{CardConfKind::NotRegular, {}}));
}

#ifndef _WIN32
TEST_F(CardConfTest, NeverFollowsALinkNorWaitsOnAFifo) {
    WriteTestFile(m_dir / "elsewhere.conf", "enable_cfg=true\r\n");
    std::filesystem::create_symlink(m_dir / "elsewhere.conf", Conf());
    EXPECT_EQ(Read(), (CardConf{CardConfKind::NotRegular, {}}));
    std::filesystem::remove(Conf());
    ASSERT_EQ(::mkfifo(Conf().c_str(), 0600), 0);
    EXPECT_EQ(Read(), (CardConf{CardConfKind::NotRegular, {}}));
}
#endif

ProfileSelections Pages() {
    ProfileSelections pages = DefaultSelections();
    pages.system.m_syncClock = 0;
    return pages;
}

DeviceRow Card(CardConf conf, DriveState state = DriveState::Answered) {
    DeviceRow row{"/media/u/CARD/", "CARD", "", "", state};
    row.conf = std::move(conf);
    return row;
}

CardConf Holding(const std::string& bytes) {
    return {CardConfKind::Read, bytes};
}

TEST(CardState, ComparesWhatSetWouldWriteWithTheCard) {
    const ProfileSelections pages = Pages();
    ProfileSelections changed = pages;
    changed.mode.m_mode1 = 3;
    changed.system.m_syncClock = 1;
    // Burst chosen last while auto shoot holds 3s: Set writes auto_shoot=off.
    ProfileSelections burstLast = pages;
    burstLast.photo.m_photoBurst = 2;
    burstLast.photo.m_photoInterlock = kInterlockBurst;
    ProfileSelections bothOn = burstLast;
    bothOn.photo.m_photoInterlock = 0;

    const struct {
        const char* name;
        DeviceRow card;
        ProfileSelections pages;
        CardState state;
        std::string summary;
        std::vector<std::string> details;
    } cases[] = {
        {"as written",
         Card(Holding(BuildCameraConf(pages, ""))),
         pages,
         CardState::Matches,
         "The card's camera.conf matches the pages.",
         {}},
        {"clock time aside",
         Card(Holding(BuildCameraConf(changed, "2026-01-02 03:04:05"))),
         changed,
         CardState::Matches,
         "The card's camera.conf matches the pages.",
         {}},
        {"two differences",
         Card(Holding(BuildCameraConf(pages, ""))),
         changed,
         CardState::Differs,
         "The card's camera.conf differs in 2 settings.",
         {"mode_1: 1920x1080p 60 -> 1600x1200p 60", "sync_clock: FALSE -> TRUE"}},
        {"interlock",
         Card(Holding(BuildCameraConf(bothOn, ""))),
         burstLast,
         CardState::Differs,
         "The card's camera.conf differs in 1 setting.",
         {"auto_shoot: 3s -> off"}},
        {"interlock written",
         Card(Holding(BuildCameraConf(burstLast, ""))),
         burstLast,
         CardState::Matches,
         "The card's camera.conf matches the pages.",
         {}},
        {"broken",
         Card(Holding("enable_cfg=true\r\nmode_1=8K\r\n")),
         pages,
         CardState::Problems,
         "",
         {}},
        {"missing", Card({}), pages, CardState::NoFile, "The card has no camera.conf.", {}},
        {"a folder",
         Card({CardConfKind::NotRegular, {}}),
         pages,
         CardState::Problems,
         "The card's camera.conf is not a file the camera can read (a folder, a link or a "
         "device).",
         {}},
        {"reading",
         Card({}, DriveState::Probing),
         pages,
         CardState::Reading,
         "Reading the card's camera.conf...",
         {}},
        {"not answering",
         Card({}, DriveState::NotAnswering),
         pages,
         CardState::NotAnswering,
         "The card does not answer: what it holds is not known.",
         {}},
        {"unmounted", Card({}, DriveState::Unmounted), pages, CardState::None, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CardComparison seen = CompareCardWithPages(&c.card, c.pages);
        EXPECT_EQ(seen.state, c.state);
        if (c.state == CardState::Problems && c.summary.empty()) {
            // The first problem with its line, and how many more there are.
            EXPECT_TRUE(seen.summary.starts_with("The card's camera.conf has problems (line 2: "))
                << seen.summary;
            // Of the file's settings, the one given is bad and every other one is missing.
            const std::size_t problems = kCameraConfSettingCount;
            EXPECT_TRUE(seen.summary.ends_with("; " + std::to_string(problems - 1) + " more)."))
                << seen.summary;
            // The first problems, then how many more.
            EXPECT_EQ(seen.details.size(), kCameraConfProblemsKept + 1);
            EXPECT_EQ(
                seen.details.empty() ? "" : seen.details.back(),
                "and " + std::to_string(problems - kCameraConfProblemsKept) + " more problems");
            continue;
        }
        EXPECT_EQ(seen.summary, c.summary);
        EXPECT_EQ(seen.details, c.details);
    }
    EXPECT_EQ(CompareCardWithPages(nullptr, pages).state, CardState::None);
}

TEST(CardState, LoadPutsInWhatAPageShowsAndNamesTheRest) {
    ProfileSelections card = Pages();
    card.mode.m_mode1 = 3;
    card.image.m_iso = *FindOption(Setting::ImageIso, "3200", OptionScope::Camera);
    card.photo.m_photoBurst = *FindOption(Setting::PhotoBurst, "20p", OptionScope::Camera);
    card.photo.m_autoShoot = 0;
    card.system.m_autoShutdown = *FindOption(Setting::AutoShutdown, "60Min", OptionScope::Camera);
    ProfileSelections pages = DefaultSelections();  // clock on
    pages.image.m_iso = 2;
    pages.photo.m_photoInterlock = kInterlockAutoShoot;

    const auto loaded = LoadCardIntoPages(Holding(BuildCameraConf(card, "")), pages);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(loaded->kept, (std::vector<std::string>{"image_iso=3200", "photo_burst=20p",
                                                      "auto_shutdown=60Min"}));
    ProfileSelections expected = card;
    expected.image.m_iso = 2;                                // kept
    expected.photo.m_photoBurst = pages.photo.m_photoBurst;  // kept
    expected.system.m_autoShutdown = pages.system.m_autoShutdown;
    expected.photo.m_photoInterlock = kInterlockAutoShoot;  // the pages' own
    expected.system.m_syncClock = 0;                        // no clock line on the card
    EXPECT_EQ(loaded->values, expected);

    const auto withClock = LoadCardIntoPages(
        Holding(BuildCameraConf(DefaultSelections(), "2026-01-02 03:04:05")), Pages());
    ASSERT_TRUE(withClock.ok());
    EXPECT_EQ(withClock->values.system.m_syncClock, 1);
}

TEST(CardState, LoadRefusesACardWithoutAUsableFile) {
    const struct {
        CardConf conf;
        ErrorCode code;
        const char* said;
    } cases[] = {
        {{}, ErrorCode::NotFound, "no camera.conf"},
        {Holding("enable_cfg=true\r\nmode_1=8K\r\n"), ErrorCode::InvalidValue, "\nline 2: "},
        {{CardConfKind::TooLarge, {}}, ErrorCode::TooLarge, "larger than"},
        {{CardConfKind::Unreadable, "Permission denied"}, ErrorCode::Io, "Permission denied"},
    };
    for (const auto& c : cases) {
        const auto loaded = LoadCardIntoPages(c.conf, Pages());
        EXPECT_FALSE(loaded.ok()) << c.said;
        EXPECT_EQ(loaded.code(), c.code) << c.said;
        EXPECT_NE(loaded.message().find(c.said), std::string::npos) << loaded.message();
    }
}

}  // namespace
}  // namespace marlix

#include "core/export/camera_conf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>

#include "core/platform/files/file_io.h"
#include "tests/support/golden_file.h"
#include "tests/support/scratch_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

std::string lineOf(const std::string& text, std::string_view key) {
    const std::string start = "\n" + std::string(key) + "=";
    const auto at = ("\n" + text).find(start);
    if (at == std::string::npos)
        return "<missing>";
    const auto valueAt = at + start.size() - 1;
    return text.substr(valueAt, text.find("\r\n", valueAt) - valueAt);
}

void setTimeZone(const char* tz) {
#ifdef _WIN32
    ::_putenv_s("TZ", tz ? tz : "");
    ::_tzset();
#else
    if (tz) {
        ::setenv("TZ", tz, 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
#endif
}

ProfileSelections cleared(ProfileSelections s) {
    s.system.m_syncClock = 0;
    return s;
}

TEST(CameraConf, DefaultSelectionsGiveTheGoldenFile) {
    const std::string text = BuildCameraConf(cleared(DefaultSelections()), "ignored");
    test_support::ExpectGoldenFile(text, fs::path(MARLIX_TEST_DATA) / "export/default_camera.conf");
}

TEST(CameraConf, ClockLineFollowsTheSettingsWhenTheFlagIsSet) {
    ProfileSelections s = DefaultSelections();
    const std::string without = BuildCameraConf(cleared(s), "2026-12-06 02:21:38");
    const std::string with = BuildCameraConf(s, "2026-12-06 02:21:38");
    EXPECT_EQ(with.size(), without.size() + 32);
    EXPECT_EQ(with, without + "sync_clock=2026-12-06 02:21:38\r\n");
}

TEST(CameraConf, PhotoInterlockWritesTheLoserAsOff) {
    struct Case {
        const char* what;
        std::uint8_t flags;
        int autoShoot;
        int burst;
        const char* autoShootText;
        const char* burstText;
    };
    const Case cases[] = {
        {"burst chosen last over a loaded 3s", kInterlockBurst, 3, 2, "off", "5p"},
        {"auto shoot chosen last over a loaded 3p", kInterlockAutoShoot, 5, 1, "10s", "off"},
        {"no flag: both as they stand", 0, 3, 1, "3s", "3p"},
        {"burst flag but burst off", kInterlockBurst, 3, 0, "3s", "off"},
        {"auto-shoot flag but auto shoot off", kInterlockAutoShoot, 0, 3, "off", "10p"},
        {"both flags, both on", kInterlockBurst | kInterlockAutoShoot, 3, 1, "off", "off"},
        {"hidden 20p under the burst flag", kInterlockBurst, 7, 4, "off", "20p"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProfileSelections s = cleared(DefaultSelections());
        s.photo.m_photoInterlock = c.flags;
        s.photo.m_autoShoot = c.autoShoot;
        s.photo.m_photoBurst = c.burst;
        const ProfileSelections before = s;
        const std::string text = BuildCameraConf(s, "");
        EXPECT_EQ(lineOf(text, "auto_shoot"), c.autoShootText);
        EXPECT_EQ(lineOf(text, "photo_burst"), c.burstText);
        EXPECT_EQ(s, before);
    }
}

TEST(CameraConf, OutOfTableIndexWritesTheKeysDefault) {
    for (const OptionIndex bad : {-1, 5, std::numeric_limits<OptionIndex>::max(),
                                  std::numeric_limits<OptionIndex>::min()}) {
        std::string text = "x";
        AppendSettingLine(Setting::Mode1, bad, text);
        EXPECT_EQ(text, "xmode_1=1920x1080p 60\r\n") << bad;
    }
    ProfileSelections s = cleared(DefaultSelections());
    s.image.m_ev = 13;
    s.photo.m_photoBurst = -1;
    EXPECT_EQ(BuildCameraConf(s, ""), BuildCameraConf(cleared(DefaultSelections()), ""));
}

class ClockText : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        m_savedTz = tz ? std::optional<std::string>(tz) : std::nullopt;
        setTimeZone("UTC");
    }
    void TearDown() override { setTimeZone(m_savedTz ? m_savedTz->c_str() : nullptr); }

private:
    std::optional<std::string> m_savedTz;
};

TEST_F(ClockText, FormatsLocalTimeWithLeadingZeros) {
    const struct {
        std::time_t when;
        const char* text;
    } cases[] = {
        {1796523698, "2026-12-06 02:21:38"},
        {1767323045, "2026-01-02 03:04:05"},
        {0, "1970-01-01 00:00:00"},
        {1767225599, "2025-12-31 23:59:59"},
    };
    for (const auto& c : cases) {
        auto text = LocalClockText(c.when);
        EXPECT_EQ(text.ok() ? *text : text.message(), c.text);
    }
    setTimeZone("JST-9");
    EXPECT_EQ(LocalClockText(1796523698).value(), "2026-12-06 11:21:38");
}

TEST_F(ClockText, RefusesTimesOutsideTheFourDigitYear) {
    EXPECT_FALSE(LocalClockText(253402300800).ok());  // 10000-01-01
#ifdef _WIN32
    // The C run-time of Windows stops at the end of the year 3000.
    EXPECT_TRUE(LocalClockText(32503679999).ok());  // 3000-12-31 23:59:59
#else
    EXPECT_TRUE(LocalClockText(253402300799).ok());  // 9999-12-31 23:59:59
#endif
    const auto huge = LocalClockText(std::numeric_limits<std::time_t>::max());
    EXPECT_FALSE(huge.ok());
    EXPECT_FALSE(huge.message().empty());
}

class WriteCameraConfTest : public test_support::ScratchDirTest {
protected:
    // The card root as the device list gives it: with a trailing separator.
    fs::path root() const { return fs::path(m_dir.string() + "/"); }
    std::vector<std::string> entries(const fs::path& dir) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(WriteCameraConfTest, ReplacesALongerFileEntirely) {
    const std::string text = BuildCameraConf(cleared(DefaultSelections()), "");
    WriteTestFile(m_dir / "camera.conf", std::string(4000, 'Z'));
    ASSERT_TRUE(WriteCameraConf(root(), text).ok());
    EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), text);
    EXPECT_EQ(entries(m_dir), std::vector<std::string>{"camera.conf"});
}

TEST_F(WriteCameraConfTest, ReplacesASymlinkInsteadOfFollowingIt) {
    WriteTestFile(m_dir / "elsewhere.txt", "keep me");
    std::error_code ec;
    fs::create_symlink(m_dir / "elsewhere.txt", m_dir / "camera.conf", ec);
    if (ec || !fs::is_symlink(fs::symlink_status(m_dir / "camera.conf")))
        GTEST_SKIP() << "symbolic links cannot be made here";
    ASSERT_TRUE(WriteCameraConf(root(), "enable_cfg=true\r\n").ok());
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(m_dir / "camera.conf")));
    EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), "enable_cfg=true\r\n");
    EXPECT_EQ(ReadTestFile(m_dir / "elsewhere.txt"), "keep me");
}

TEST_F(WriteCameraConfTest, AMissingOrUnusableRootFailsNamingThePath) {
    WriteTestFile(m_dir / "plain", "x");
    for (const fs::path& bad : {m_dir / "gone/", m_dir / "plain/"}) {
        const Status status = WriteCameraConf(bad, "enable_cfg=true\r\n");
        EXPECT_FALSE(status.ok()) << bad;
        EXPECT_NE(status.message().find((bad / "camera.conf").string()), std::string::npos)
            << status.message();
    }
    EXPECT_EQ(entries(m_dir), std::vector<std::string>{"plain"});
    EXPECT_EQ(ReadTestFile(m_dir / "plain"), "x");
}

TEST_F(WriteCameraConfTest, AReadOnlyCardKeepsItsFileAndLeavesNoTemporary) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows folders have no write permission bit";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores directory permissions";
#endif
    WriteTestFile(m_dir / "camera.conf", "old");
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    const Status status = WriteCameraConf(root(), "enable_cfg=true\r\n");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("camera.conf"), std::string::npos);
    EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), "old");
    EXPECT_EQ(entries(m_dir), std::vector<std::string>{"camera.conf"});
}

// A write cut off (a pulled card, a killed program) leaves its temporary file behind; the next
// write removes it, and nothing else that merely looks like one.
TEST_F(WriteCameraConfTest, TemporaryFilesOfEarlierWritesAreRemoved) {
    WriteTestFile(m_dir / ".camera.conf.k3x9q2", "cut off");
    WriteTestFile(m_dir / ".camera.conf.k3x9q", "one letter short");
    WriteTestFile(m_dir / ".camera.conf.k3x9q2x", "one letter more");
    WriteTestFile(m_dir / "camera.conf.k3x9q2", "no dot in front");
    WriteTestFile(m_dir / ".other.conf.k3x9q2", "another file's");
    fs::create_directory(m_dir / ".camera.conf.f0ld3r");
    WriteTestFile(m_dir / "elsewhere.txt", "keep me");
    std::error_code ec;
    fs::create_symlink(m_dir / "elsewhere.txt", m_dir / ".camera.conf.l1nk00", ec);
    const bool linked = !ec;

    ASSERT_TRUE(WriteCameraConf(root(), "enable_cfg=true\r\n").ok());
    std::vector<std::string> left = {
        ".camera.conf.f0ld3r", ".camera.conf.k3x9q", ".camera.conf.k3x9q2x", ".other.conf.k3x9q2",
        "camera.conf",         "camera.conf.k3x9q2", "elsewhere.txt"};
    if (linked)
        left.push_back(".camera.conf.l1nk00");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(entries(m_dir), left);
    EXPECT_EQ(ReadTestFile(m_dir / "elsewhere.txt"), "keep me");
}

TEST_F(WriteCameraConfTest, UndoingAWritePutsBackWhatWasThere) {
    const std::string written = "enable_cfg=true\r\n";
    const std::optional<std::string> earlier[] = {std::string("old\nbytes\r\n\0x", 13),
                                                  std::nullopt};
    for (const auto& previous : earlier) {
        if (previous)
            WriteTestFile(m_dir / "camera.conf", *previous);
        else
            fs::remove(m_dir / "camera.conf");
        CameraConfBefore before;
        ASSERT_TRUE(WriteCameraConf(root(), written, std::nullopt, {}, &before).ok());
        EXPECT_TRUE(before.restorable);
        EXPECT_EQ(before.bytes, previous);
        const Status undone = RestoreCameraConf(root(), before.bytes, written);
        ASSERT_TRUE(undone.ok()) << undone.message();
        if (previous) {
            EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), *previous);
        }
        EXPECT_EQ(entries(m_dir),
                  previous ? std::vector<std::string>{"camera.conf"} : std::vector<std::string>{});
    }

    // What cannot be put back from bytes is said so.
    fs::create_directory(m_dir / "camera.conf");
    WriteTestFile(m_dir / "camera.conf" / "inside", "x");
    CameraConfBefore before;
    EXPECT_FALSE(WriteCameraConf(root(), written, std::nullopt, {}, &before).ok());
    fs::remove_all(m_dir / "camera.conf");
    std::error_code ec;
    fs::create_symlink(m_dir / "elsewhere", m_dir / "camera.conf", ec);
    if (!ec) {
        ASSERT_TRUE(WriteCameraConf(root(), written, std::nullopt, {}, &before).ok());
        EXPECT_FALSE(before.restorable);
    }
}

TEST_F(WriteCameraConfTest, UndoingAWriteIsRefusedWhenTheCardOrTheFileChanged) {
    // Set made the file: undoing it would remove whatever is there now.
    const std::string written = "enable_cfg=true\r\n";
    std::optional<std::uint64_t> device;
#ifndef _WIN32
    struct stat st;
    ASSERT_EQ(::stat(m_dir.c_str(), &st), 0);
    device = st.st_dev;
#endif
    CameraConfBefore before;
    ASSERT_TRUE(WriteCameraConf(root(), written, device, {}, &before).ok());

    struct Case {
        std::string onCard;
        std::optional<std::uint64_t> device;
        ErrorCode refusal;
    };
    std::vector<Case> cases = {{"changed by hand", device, ErrorCode::InvalidValue}};
    if (device)
        cases.push_back({written, *device + 1, ErrorCode::DriveGone});
    for (const Case& c : cases) {
        WriteTestFile(m_dir / "camera.conf", c.onCard);
        const Status refused = RestoreCameraConf(root(), before.bytes, written, c.device);
        EXPECT_EQ(refused.code(), c.refusal) << refused.message();
        EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), c.onCard);
    }
    fs::remove(m_dir / "camera.conf");
    EXPECT_EQ(RestoreCameraConf(root(), before.bytes, written, device).code(),
              ErrorCode::InvalidValue);
    EXPECT_EQ(entries(m_dir), std::vector<std::string>{});
}

TEST_F(WriteCameraConfTest, AnEmptyRootWritesIntoTheWorkingDirectory) {
    const fs::path saved = fs::current_path();
    fs::current_path(m_dir);
    const Status status = WriteCameraConf(fs::path(), "enable_cfg=true\r\n");
    fs::current_path(saved);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(ReadTestFile(m_dir / "camera.conf"), "enable_cfg=true\r\n");
}

}  // namespace
}  // namespace marlix

#include "core/profiles/profile_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <span>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/platform/text.h"
#include "tests/support/golden_file.h"
#include "tests/support/scratch_dir.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/platform/text_win32.h"
#else
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// LF-only text with the line ends the system gives new files.
std::string platformLineEnds(std::string text) {
#ifdef _WIN32
    text = replaceAll(text, "\n", "\r\n");
#endif
    return text;
}

// The first-run file, with the system's line ends.
std::string golden() {
    return platformLineEnds(
        ReadTestFile(fs::path(MARLIX_TEST_DATA) / "profiles" / "first_run_cfg.ini"));
}

// The seeded "[profile-default]" section of the first-run file, under another header, with LF
// line ends as the files these tests start from have.
std::string defaultSection(const std::string& name = "default") {
    const std::string g =
        ReadTestFile(fs::path(MARLIX_TEST_DATA) / "profiles" / "first_run_cfg.ini");
    return replaceAll(g.substr(g.find("[profile-default]")), "[profile-default]",
                      "[profile-" + name + "]");
}

#ifdef _WIN32
// Holds cfg.ini open without delete sharing, as an editor or a virus scanner may, so that no
// write can replace it.
class WriteBlocker {
public:
    explicit WriteBlocker(const fs::path& cfg)
        : m_file(::CreateFileW(cfg.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr)) {}
    ~WriteBlocker() {
        if (m_file != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_file);
    }
    bool active() const { return m_file != INVALID_HANDLE_VALUE; }
    static std::string reason() { return WindowsErrorText(ERROR_ACCESS_DENIED); }

private:
    HANDLE m_file;
};
#else
// Restricts the size of files this process may write, so that every write of cfg.ini fails
// the way a full disk makes it fail, even for root.
class WriteBlocker {
public:
    explicit WriteBlocker(const fs::path&) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~WriteBlocker() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return true; }
    static std::string reason() { return std::strerror(EFBIG); }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
#endif

// What the system says when a file without write permission is to be replaced.
std::string accessDeniedReason() {
#ifdef _WIN32
    return WindowsErrorText(ERROR_ACCESS_DENIED);
#else
    return std::strerror(EACCES);
#endif
}

// What the system says when the folder of the file does not exist or is a file.
std::string noFolderReason() {
#ifdef _WIN32
    return WindowsErrorText(ERROR_PATH_NOT_FOUND);
#else
    return std::strerror(ENOTDIR);
#endif
}

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test_support::MakeUniqueDirectory(fs::temp_directory_path(), "marlix-store");
        ASSERT_FALSE(m_dir.empty());
        m_cfg = m_dir / "cfg.ini";
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir, ec)) {
            if (!entry.is_symlink())
                fs::permissions(entry.path(), fs::perms::owner_all, ec);
        }
        fs::permissions(m_dir, fs::perms::owner_all, ec);
        fs::remove_all(m_dir, ec);
    }

    // Starts a store on the file as it is now.
    ProfileStore start(ProfileSelections* loaded = nullptr) {
        ProfileStore store(m_cfg);
        ProfileSelections out;
        EXPECT_TRUE(store.InitProfileStore(out).ok());
        if (loaded)
            *loaded = out;
        return store;
    }

    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            // The lock file stays for good; anything else left over would be a stray.
            if (entry.path().filename() != ".cfg.ini.lock")
                names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_dir;
    fs::path m_cfg;
};

ProfileSelections someValues(int variant) {
    ProfileSelections v = DefaultSelections();
    v.mode.m_mode1 = variant % 5;
    v.image.m_ev = 12 - variant % 13;
    v.system.m_syncClock = variant % 2;
    v.system.m_format = 1;
    return v;
}

TEST_F(ProfileStoreTest, FirstRunWritesTheDefaultFile) {
    ProfileStore store(m_cfg);
    ProfileSelections out;
    out.photo.m_photoInterlock = kInterlockAutoShoot;
    ASSERT_TRUE(store.InitProfileStore(out).ok());
    test_support::ExpectGoldenFile(replaceAll(ReadTestFile(m_cfg), "\r\n", "\n"),
                                   fs::path(MARLIX_TEST_DATA) / "profiles" / "first_run_cfg.ini");
    EXPECT_EQ(ReadTestFile(m_cfg), golden());  // with the system's line ends

    ProfileSelections expected = DefaultSelections();
    expected.photo.m_photoInterlock = kInterlockAutoShoot;
    EXPECT_EQ(out, expected);
    EXPECT_EQ(store.profileNames(), std::vector<std::string>{"default"});
    EXPECT_EQ(store.sectionNames(), std::vector<std::string>{"profile-default"});
    EXPECT_EQ(store.currentIndex(), 0);
    EXPECT_EQ(store.currentSection(), "profile-default");
}

TEST_F(ProfileStoreTest, FileWithoutProfileIsSeededWithoutDisturbingIt) {
    const std::string profile = defaultSection();
    const std::string basic = "[basic]\nlast_cfg=default\n";
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"empty file", "", golden()},
        {"only basic", basic, basic + profile},
        {"basic in other case, CRLF", "[BASIC]\r\nlast_cfg=x\r\n",
         "[BASIC]\r\nlast_cfg=x\r\n" + replaceAll(profile, "\n", "\r\n")},
        {"other sections", "; mine\n[misc]\na=1\n\n", "; mine\n[misc]\na=1\n\n" + basic + profile},
        {"no final line end", "[misc]\na=1",
         "[misc]\na=1\n" + basic + profile.substr(0, profile.size() - 1)},
        {"a section that only looks like a profile", "[profilex]\n[profile]\n",
         "[profilex]\n[profile]\n" + basic + profile},
    };
    for (const Case& c : cases) {
        WriteTestFile(m_cfg, c.before);
        ProfileSelections out;
        ProfileStore store = start(&out);
        EXPECT_EQ(ReadTestFile(m_cfg), c.after) << c.what;
        EXPECT_EQ(store.profileNames(), std::vector<std::string>{"default"}) << c.what;
        EXPECT_EQ(store.currentSection(), "profile-default") << c.what;
        EXPECT_EQ(out, DefaultSelections()) << c.what;
    }
}

TEST_F(ProfileStoreTest, StoredValuesReadBackAsTheyAlwaysHave) {
    struct Case {
        const char* what;
        std::string lines;
        std::function<int(const ProfileSelections&)> field;
        int expected;
    };
    auto mode1 = [](const ProfileSelections& s) { return s.mode.m_mode1; };
    auto iso = [](const ProfileSelections& s) { return s.image.m_iso; };
    auto shutdown = [](const ProfileSelections& s) { return s.system.m_autoShutdown; };
    auto clock = [](const ProfileSelections& s) { return s.system.m_syncClock; };
    const std::vector<Case> cases = {
        {"exact text", "mode_1=1920x1080p 60", mode1, 1},
        {"text in capitals is unknown", "mode_1=1920X1080P 60", mode1, 0},
        {"key name in capitals", "MODE_1=1920x1080p 60", mode1, 1},
        {"blanks and quotes", "mode_1 = \"1920x1080p 60\" ", mode1, 1},
        {"unknown value is option 0, not the default", "mode_1=4k", mode1, 0},
        {"missing key is option 0", "", mode1, 0},
        {"an over-long value matches nothing", "mode_1=1920x1080p 60" + std::string(300, ' ') + "x",
         mode1, 0},
        {"image_iso compares 6 options", "image_iso=1600", iso, 5},
        {"image_iso 3200 reads as 0", "image_iso=3200", iso, 0},
        {"auto_shutdown compares 4 options", "auto_shutdown=10Min", shutdown, 3},
        {"auto_shutdown 30Min reads as 0", "auto_shutdown=30Min", shutdown, 0},
        {"sync_clock TRUE", "sync_clock=TRUE", clock, 1},
        {"sync_clock in lower case", "sync_clock=true", clock, 1},
        {"sync_clock in mixed case", "sync_clock=TrUe", clock, 1},
        {"sync_clock other text", "sync_clock=yes", clock, 0},
        {"sync_clock missing", "", clock, 0},
    };
    for (const Case& c : cases) {
        WriteTestFile(m_cfg, "[profile-x]\n" + c.lines + "\n");
        ProfileSelections out;
        start(&out);
        EXPECT_EQ(c.field(out), c.expected) << c.what;
    }
}

TEST_F(ProfileStoreTest, ListsEveryProfileSectionAndNothingElse) {
    WriteTestFile(
        m_cfg,
        "[BASIC]\nlast_cfg=default\n[misc]\n[Profile-Upper]\nmode_1=1600x1200p 60\n"
        "[profile-a]\n[PROFILE-A]\nmode_1=1920x1080p 30\n[profile-]\n[profilex]\n[basic]\n");
    ProfileSelections out;
    ProfileStore store = start(&out);
    EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"Upper", "a", ""}));
    EXPECT_EQ(store.sectionNames(),
              (std::vector<std::string>{"Profile-Upper", "profile-a", "profile-"}));
    EXPECT_EQ(out.mode.m_mode1, 3);
    EXPECT_EQ(store.FindProfile("A"), 1);
    EXPECT_EQ(store.FindProfile("basic"), -1);
}

TEST_F(ProfileStoreTest, ManyProfilesWithLongNamesAreAllListedAndLoadable) {
    std::string file = "[basic]\nlast_cfg=default\n";
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
        names.push_back("profile number " + std::to_string(i) + " with a name well past sixteen");
        file += "[profile-" + names.back() +
                "]\nmode_1=" + std::string(OptionText(Setting::Mode1, i % 5)) + "\n";
    }
    names.push_back(std::string(400, 'n'));
    file += "[profile-" + names.back() + "]\nmode_1=1600x1200p 30\n";
    WriteTestFile(m_cfg, file);

    ProfileStore store = start();
    EXPECT_EQ(store.profileNames(), names);
    for (int i : {0, 255, 298, 299}) {
        auto loaded = store.LoadProfileAt(i);
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded->mode.m_mode1, i % 5) << i;
    }
    ProfileSelections out;
    ASSERT_TRUE(store.SelectProfile(300, out).ok());
    EXPECT_EQ(out.mode.m_mode1, 4);
    EXPECT_EQ(store.currentSection(), "profile-" + std::string(400, 'n'));
}

TEST_F(ProfileStoreTest, CommandsNeverTouchOtherSections) {
    const std::string head = "[BASIC]\nLast_Cfg = other \n;keep\n";
    const std::string misc = "[misc]\n x = 1\n\n";
    WriteTestFile(m_cfg, head + defaultSection("a") + misc + defaultSection("b"));
    ProfileStore store = start();

    ProfileSelections values = DefaultSelections();
    values.mode.m_mode1 = 3;
    ASSERT_TRUE(store.SaveProfile(values).ok());
    ASSERT_TRUE(store.CreateProfile("c", DefaultSelections()).ok());
    ProfileSelections out;
    ASSERT_TRUE(store.DeleteProfile(1, out).ok());  // b
    ASSERT_TRUE(store.SelectProfile(0, out).ok());

    const std::string savedA =
        replaceAll(defaultSection("a"), "mode_1=1920x1080p 60", "mode_1=1600x1200p 60");
    EXPECT_EQ(ReadTestFile(m_cfg), head + savedA + misc + defaultSection("c"));
    EXPECT_EQ(out.mode.m_mode1, 3);
}

TEST_F(ProfileStoreTest, SavingChangesValuesInPlaceAndTwiceChangesNothing) {
    // Hand-ordered keys, an unknown key and a comment stay where they are.
    std::string section = defaultSection("x");
    section = replaceAll(section, "mode_1=1920x1080p 60\n", "");
    section = replaceAll(section, "format=false\n", "format=false\nmode_1=1920x1080p 60\n");
    section = replaceAll(section, "fov=wide\n", "fov=wide\n; mine\ncolour=blue\n");
    WriteTestFile(m_cfg, section);
    ProfileStore store = start();

    const ProfileSelections values = someValues(3);
    ASSERT_TRUE(store.SaveProfile(values).ok());
    const std::string once = ReadTestFile(m_cfg);
    std::string expected = replaceAll(section, "mode_1=1920x1080p 60", "mode_1=1600x1200p 60");
    expected = replaceAll(expected, "image_ev=0.0", "image_ev=+1.0");
    expected = replaceAll(expected, "format=false", "format=true");
    EXPECT_EQ(once, expected);

    ASSERT_TRUE(store.SaveProfile(values).ok());
    EXPECT_EQ(ReadTestFile(m_cfg), once);
    auto loaded = store.LoadProfileAt(0);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(*loaded, values);
}

TEST_F(ProfileStoreTest, EditsMadeElsewhereInTheFileSurvive) {
    ProfileStore store = start();
    WriteTestFile(m_cfg, ReadTestFile(m_cfg) + "; added by hand\n[extra]\nk=v\n");
    ASSERT_TRUE(store.SaveProfile(someValues(1)).ok());
    const std::string after = ReadTestFile(m_cfg);
    EXPECT_NE(after.find("; added by hand\n[extra]\nk=v\n"), std::string::npos);
    EXPECT_NE(after.find("mode_1=1920x1080p 60"), std::string::npos);
}

TEST_F(ProfileStoreTest, CreateAppendsAndRefusesUsedNames) {
    ProfileStore store = start();
    ProfileSelections values = DefaultSelections();
    values.mode.m_mode1 = 0;
    values.system.m_syncClock = 0;
    ASSERT_TRUE(store.CreateProfile("Night \xE6\x97\xA5", values).ok());
    const std::string expected =
        golden() + platformLineEnds(replaceAll(replaceAll(defaultSection("Night \xE6\x97\xA5"),
                                                          "1920x1080p 60", "2304x1296p 30"),
                                               "sync_clock=TRUE", "sync_clock=FALSE"));
    EXPECT_EQ(ReadTestFile(m_cfg), expected);
    EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"default", "Night \xE6\x97\xA5"}));
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(store.currentSection(), "profile-Night \xE6\x97\xA5");

    // Used names: a listed one in any case, and one a hand edit added to the file since.
    WriteTestFile(m_cfg, expected + "[PROFILE-late]\n");
    for (const char* used : {"default", "DEFAULT", "night \xE6\x97\xA5", "late"}) {
        const Status s = store.CreateProfile(used, DefaultSelections());
        EXPECT_EQ(s.message(), ProfileStore::kDuplicateNameText) << used;
    }
    EXPECT_EQ(ReadTestFile(m_cfg), expected + "[PROFILE-late]\n");
    EXPECT_EQ(store.profileNames().size(), 2u);
    EXPECT_EQ(store.currentIndex(), 1);
}

TEST_F(ProfileStoreTest, NameProblems) {
    for (const std::string bad :
         {"", "   ", " a", "a ", "a\nb", "a\rb", "a\tb", "a\x01", "a\x7f", "a[b", "a]b",
          "a\xE2\x80\xA8"
          "b",
          "a\xC2\x85", "\xFF", "\xE3\x80\x80", "a\xC2\xA0", "\xE2\x80\x83x"}) {
        EXPECT_TRUE(ProfileStore::NameProblem(bad).has_value()) << bad;
    }
    for (const std::string good : {"a", "a b", "x=y", ";x", "\xE6\x97\xA5\xE6\x9C\xAC", "A-1"}) {
        EXPECT_EQ(ProfileStore::NameProblem(good), std::nullopt) << good;
    }

    ProfileStore store = start();
    const std::string before = ReadTestFile(m_cfg);
    EXPECT_FALSE(store.CreateProfile("bad]name", DefaultSelections()).ok());
    EXPECT_EQ(ReadTestFile(m_cfg), before);
    EXPECT_EQ(store.profileNames().size(), 1u);
}

TEST_F(ProfileStoreTest, DeleteMakesTheNeighbourCurrent) {
    WriteTestFile(m_cfg,
                  "[profile-a]\nmode_1=2304x1296p 30\n[profile-b]\nmode_1=1920x1080p 60\n"
                  "[profile-c]\nmode_1=1920x1080p 30\n[profile-d]\nmode_1=1600x1200p 60\n");
    ProfileStore store = start();
    ProfileSelections out;

    ASSERT_TRUE(store.DeleteProfile(1, out).ok());  // b: the one after it takes its place
    EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(store.currentIndex(), 1);
    EXPECT_EQ(store.currentSection(), "profile-c");
    EXPECT_EQ(out.mode.m_mode1, 2);

    ASSERT_TRUE(store.DeleteProfile(2, out).ok());  // d, the last: the one before it
    EXPECT_EQ(store.currentSection(), "profile-c");
    EXPECT_EQ(store.currentIndex(), 1);

    ASSERT_TRUE(store.DeleteProfile(1, out).ok());
    EXPECT_EQ(store.currentSection(), "profile-a");
    EXPECT_EQ(out.mode.m_mode1, 0);
    EXPECT_EQ(ReadTestFile(m_cfg), "[profile-a]\nmode_1=2304x1296p 30\n");

    out.mode.m_mode1 = 4;
    ASSERT_TRUE(store.DeleteProfile(0, out).ok());  // the only one: nothing is current
    EXPECT_EQ(store.currentIndex(), -1);
    EXPECT_EQ(store.currentSection(), "");
    EXPECT_EQ(out.mode.m_mode1, 4);
    EXPECT_EQ(ReadTestFile(m_cfg), "");
    EXPECT_FALSE(store.SaveProfile(out).ok());
    EXPECT_FALSE(store.LoadProfile(out).ok());

    // The next start finds no profile and seeds the default one again.
    start();
    EXPECT_EQ(ReadTestFile(m_cfg), golden());
}

TEST_F(ProfileStoreTest, DeleteRemovesEveryHeaderOfTheProfile) {
    WriteTestFile(m_cfg, "[profile-a]\nmode_1=5M\n[profile-b]\n[PROFILE-A]\nmode_1=8M\n");
    ProfileStore store = start();
    ProfileSelections out;
    ASSERT_TRUE(store.DeleteProfile(0, out).ok());
    EXPECT_EQ(ReadTestFile(m_cfg), "[profile-b]\n");
}

TEST_F(ProfileStoreTest, UndoingDeleteGivesBackTheFileByteForByte) {
    const std::string files[] = {
        // CR LF, a comment and odd spacing inside, no line end at the very end.
        "; mine\r\n[basic]\r\nlast_cfg=a\r\n[profile-a]\r\nmode_1=5M\r\n\r\n"
        "[profile-b]\r\n; note\r\n mode_1 = \"8M\"  \r\n[profile-c]\r\nmode_1=2M",
        // Mixed line ends, and a profile under two headers that differ in case.
        "[profile-x]\rmode_1=5M\r\n[profile-y]\n[PROFILE-X]\nmode_1=8M\n[profile-z]\n",
    };
    for (const std::string& file : files) {
        WriteTestFile(m_cfg, file);
        ProfileStore store = start();
        const std::vector<std::string> names = store.profileNames();
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            ProfileSelections out;
            DeletedProfile deleted;
            ASSERT_TRUE(store.DeleteProfile(i, out, &deleted).ok());
            ASSERT_NE(ReadTestFile(m_cfg), file);
            const Status restored = store.RestoreDeletedProfile(deleted, out);
            ASSERT_TRUE(restored.ok()) << restored.message();
            EXPECT_EQ(ReadTestFile(m_cfg), file) << names[i];
            EXPECT_EQ(store.profileNames(), names);
            EXPECT_EQ(store.currentIndex(), i);
            auto stored = store.LoadProfileAt(i);
            ASSERT_TRUE(stored.ok());
            EXPECT_EQ(out, *stored);
        }
    }
}

TEST_F(ProfileStoreTest, UndoingDeleteAfterOtherChangesKeepsThem) {
    const std::string a = "[profile-a]\nmode_1=5M\n", b = "[profile-b]\nmode_3=8M\n",
                      c = "[profile-c]\nmode_1=2M\n";
    struct Case {
        std::string before;     // b is deleted from it
        std::string meanwhile;  // what other changes then made of the file
        std::string restored;
    };
    const Case cases[] = {
        {a + b + c, "[profile-a]\nmode_1=2M\n[profile-d]\n" + c,
         "[profile-a]\nmode_1=2M\n" + b + "[profile-d]\n" + c},
        {a + b + c, c + "[profile-d]\n", b + c + "[profile-d]\n"},
        {a + b + c, "[profile-d]\n", "[profile-d]\n" + b},
        {a + b + c, "", b},
        {a + "[profile-b]\nmode_3=8M", a + c, a + b + c},
    };
    for (const Case& test : cases) {
        WriteTestFile(m_cfg, test.before);
        ProfileStore store = start();
        ProfileSelections out;
        DeletedProfile deleted;
        ASSERT_TRUE(store.DeleteProfile(1, out, &deleted).ok());
        WriteTestFile(m_cfg, test.meanwhile);
        ASSERT_TRUE(store.RestoreDeletedProfile(deleted, out).ok()) << test.meanwhile;
        EXPECT_EQ(ReadTestFile(m_cfg), test.restored);
        EXPECT_EQ(store.currentSection(), "profile-b");
        EXPECT_EQ(out.mode.m_mode3, FindOption(Setting::Mode3, "8M", OptionScope::Page));
    }

    // Made again meanwhile: refused, and nothing changes.
    WriteTestFile(m_cfg, a + b);
    ProfileStore store = start();
    ProfileSelections out;
    DeletedProfile deleted;
    ASSERT_TRUE(store.DeleteProfile(1, out, &deleted).ok());
    ASSERT_TRUE(store.CreateProfile("B", DefaultSelections()).ok());
    const std::string before = ReadTestFile(m_cfg);
    const Status again = store.RestoreDeletedProfile(deleted, out);
    EXPECT_EQ(again.code(), ErrorCode::DuplicateName);
    EXPECT_EQ(ReadTestFile(m_cfg), before);
    EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"a", "B"}));
}

TEST_F(ProfileStoreTest, SelectingShowsTheLastSavedValues) {
    ProfileStore store = start();
    ASSERT_TRUE(store.CreateProfile("two", someValues(2)).ok());
    ProfileSelections out;
    ASSERT_TRUE(store.SelectProfile(0, out).ok());
    EXPECT_EQ(out, DefaultSelections());
    ASSERT_TRUE(store.SelectProfile(1, out).ok());
    EXPECT_EQ(out, someValues(2));
    EXPECT_FALSE(store.SelectProfile(2, out).ok());
    EXPECT_EQ(store.currentIndex(), 1);
}

TEST_F(ProfileStoreTest, LoadReadsTheCurrentProfileAsStoredNow) {
    ProfileStore store = start();
    ASSERT_TRUE(store.SaveProfile(someValues(7)).ok());
    ProfileSelections out;
    out.photo.m_photoInterlock = kInterlockBurst;
    ASSERT_TRUE(store.LoadProfile(out).ok());
    ProfileSelections expected = someValues(7);
    expected.photo.m_photoInterlock = kInterlockBurst;
    EXPECT_EQ(out, expected);
}

TEST_F(ProfileStoreTest, ValuesThatAreNoOptionAreRefused) {
    ProfileStore store = start();
    const std::string before = ReadTestFile(m_cfg);
    for (int bad : {-1, 5}) {
        ProfileSelections values = someValues(1);
        values.mode.m_mode1 = bad;
        const Status s = store.SaveProfile(values);
        EXPECT_FALSE(s.ok()) << bad;
        EXPECT_NE(s.message().find("mode_1"), std::string::npos) << s.message();
        EXPECT_FALSE(store.CreateProfile("new", values).ok()) << bad;
    }
    EXPECT_EQ(ReadTestFile(m_cfg), before);
    EXPECT_EQ(store.profileNames().size(), 1u);
}

TEST_F(ProfileStoreTest, FailedWritesChangeNothing) {
    WriteTestFile(m_cfg, golden() + defaultSection("two"));
    struct Case {
        const char* what;
        std::function<Status(ProfileStore&, ProfileSelections&)> command;
    };
    const std::vector<Case> cases = {
        {"save", [](ProfileStore& s, ProfileSelections&) { return s.SaveProfile(someValues(1)); }},
        {"create",
         [](ProfileStore& s, ProfileSelections&) { return s.CreateProfile("new", someValues(1)); }},
        {"delete", [](ProfileStore& s, ProfileSelections& out) { return s.DeleteProfile(0, out); }},
    };
    for (const Case& c : cases) {
        const std::string before = ReadTestFile(m_cfg);
        ProfileStore store = start();
        ProfileSelections out = someValues(4);
        Status result = Status::success();
        {
            WriteBlocker blocker(m_cfg);
            ASSERT_TRUE(blocker.active());
            result = c.command(store, out);
        }
        EXPECT_FALSE(result.ok()) << c.what;
        EXPECT_NE(result.message().find(m_cfg.string()), std::string::npos) << result.message();
        EXPECT_NE(result.message().find(WriteBlocker::reason()), std::string::npos)
            << result.message();
        EXPECT_EQ(ReadTestFile(m_cfg), before) << c.what;
        EXPECT_EQ(filesInDir(), std::vector<std::string>{"cfg.ini"}) << c.what;
        EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"default", "two"})) << c.what;
        EXPECT_EQ(store.currentIndex(), 0) << c.what;
        EXPECT_EQ(store.currentSection(), "profile-default") << c.what;
        EXPECT_EQ(out, someValues(4)) << c.what;
    }
}

TEST_F(ProfileStoreTest, ReadOnlyDirectoryIsReported) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows folders have no write permission bit";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
#endif
    ProfileStore store = start();
    const std::string before = ReadTestFile(m_cfg);
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    const Status s = store.SaveProfile(someValues(1));
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find(std::strerror(EACCES)), std::string::npos) << s.message();
    EXPECT_EQ(ReadTestFile(m_cfg), before);
}

TEST_F(ProfileStoreTest, FirstRunThatCannotCreateTheFile) {
    WriteTestFile(m_dir / "plain", "x");
    const fs::path cfg = m_dir / "plain" / "cfg.ini";
    ProfileStore store(cfg);
    ProfileSelections out = someValues(1);
    const Status s = store.InitProfileStore(out);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.message().find(cfg.string()), std::string::npos) << s.message();
    EXPECT_NE(s.message().find(noFolderReason()), std::string::npos) << s.message();
    EXPECT_TRUE(store.profileNames().empty());
    EXPECT_EQ(store.currentIndex(), -1);
    EXPECT_EQ(out, someValues(1));
}

TEST_F(ProfileStoreTest, UnreadableFileIsNeverOverwritten) {
    fs::create_directory(m_cfg);
    ProfileStore store(m_cfg);
    ProfileSelections out;
    const Status s = store.InitProfileStore(out);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.message().find(m_cfg.string()), std::string::npos) << s.message();
    EXPECT_TRUE(store.profileNames().empty());
    EXPECT_EQ(store.currentIndex(), -1);

    // Even once something readable is there, this store leaves it alone.
    fs::remove(m_cfg);
    WriteTestFile(m_cfg, "[profile-a]\n");
    EXPECT_FALSE(store.CreateProfile("b", DefaultSelections()).ok());
    EXPECT_FALSE(store.SaveProfile(DefaultSelections()).ok());
    EXPECT_EQ(ReadTestFile(m_cfg), "[profile-a]\n");
}

TEST_F(ProfileStoreTest, FileWithoutReadPermissionIsNeverOverwritten) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no read permission bit";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
#endif
    WriteTestFile(m_cfg, "[profile-a]\n");
    fs::permissions(m_cfg, fs::perms::owner_write);
    ProfileStore store(m_cfg);
    ProfileSelections out;
    EXPECT_FALSE(store.InitProfileStore(out).ok());
    EXPECT_FALSE(store.CreateProfile("b", DefaultSelections()).ok());
    fs::permissions(m_cfg, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadTestFile(m_cfg), "[profile-a]\n");
}

TEST_F(ProfileStoreTest, SymlinkedFileIsWrittenAtItsTarget) {
    fs::create_directory(m_dir / "real");
    const fs::path target = m_dir / "real" / "cfg.ini";
    WriteTestFile(target, golden());
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::error_code ec;
    fs::create_symlink(fs::path("real") / "cfg.ini", m_cfg, ec);
    if (ec || !fs::is_symlink(fs::symlink_status(m_cfg)))
        GTEST_SKIP() << "symbolic links cannot be made here";

    ProfileStore store = start();
    ASSERT_TRUE(store.SaveProfile(someValues(3)).ok());
    EXPECT_TRUE(fs::is_symlink(m_cfg));
    EXPECT_NE(ReadTestFile(target).find("mode_1=1600x1200p 60"), std::string::npos);
#ifndef _WIN32
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
}

TEST_F(ProfileStoreTest, FileWithoutWritePermissionIsRefusedEvenForRoot) {
    WriteTestFile(m_cfg, golden() + defaultSection("two"));
    ProfileStore store = start();
    // On Windows this sets the read-only attribute.
    fs::permissions(m_cfg, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = ReadTestFile(m_cfg);
    const SettingChange change{Setting::Mode1, 3};
    const std::vector<Status> results = {
        store.SaveProfile(someValues(1)),
        store.CreateProfile("new", DefaultSelections()),
        store.SaveSettingsAt(1, std::span(&change, 1)),
    };
    for (const Status& s : results) {
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find(m_cfg.string()), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(accessDeniedReason()), std::string::npos) << s.message();
    }
    EXPECT_EQ(ReadTestFile(m_cfg), before);
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"cfg.ini"});
    EXPECT_EQ(store.profileNames(), (std::vector<std::string>{"default", "two"}));
    EXPECT_EQ(store.currentIndex(), 0);
}

#ifndef _WIN32
TEST_F(ProfileStoreTest, FileThatIsNoRegularFileIsNeitherReadNorReplaced) {
    struct Case {
        const char* what;
        std::function<int(const char*)> make;
        fs::file_type type;
    };
    const std::vector<Case> cases = {
        {"FIFO", [](const char* p) { return ::mkfifo(p, 0644); }, fs::file_type::fifo},
        {"device like /dev/null",
         [](const char* p) { return ::mknod(p, S_IFCHR | 0666, makedev(1, 3)); },
         fs::file_type::character},
    };
    for (const Case& c : cases) {
        fs::remove(m_cfg);
        if (c.make(m_cfg.c_str()) != 0) {
            std::cout << "[  NOTE    ] cannot make a " << c.what << " here ("
                      << std::strerror(errno) << "); that case is left out\n";
            continue;
        }
        ProfileStore store(m_cfg);
        ProfileSelections out = someValues(2);
        const Status s = store.InitProfileStore(out);
        EXPECT_FALSE(s.ok()) << c.what;
        EXPECT_NE(s.message().find(m_cfg.string()), std::string::npos) << s.message();
        EXPECT_NE(s.message().find("not a regular file"), std::string::npos) << s.message();
        EXPECT_TRUE(store.profileNames().empty()) << c.what;
        EXPECT_EQ(out, someValues(2)) << c.what;
        EXPECT_FALSE(store.CreateProfile("a", DefaultSelections()).ok()) << c.what;
        EXPECT_EQ(fs::symlink_status(m_cfg).type(), c.type) << c.what;
        EXPECT_EQ(filesInDir(), std::vector<std::string>{"cfg.ini"}) << c.what;
    }
}

#endif

#ifdef _WIN32
TEST_F(ProfileStoreTest, ParallelCommandsKeepEveryChange) {
    // Threads stand in for processes: each store takes the folder lock as a process would.
    start();
    constexpr int kThreads = 12;
    constexpr int kProfilesEach = 4;
    std::atomic<int> waiting{kThreads};
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Every thread starts its commands once all of them exist, so that they overlap.
            --waiting;
            while (waiting > 0) std::this_thread::yield();
            ProfileStore store(m_cfg);
            ProfileSelections out;
            bool ok = store.InitProfileStore(out).ok();
            for (int i = 0; i < kProfilesEach; ++i) {
                const std::string name = "p" + std::to_string(t) + "-" + std::to_string(i);
                ok = store.CreateProfile(name, someValues(i)).ok() && ok;
            }
            if (!ok)
                ++failures;
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures, 0);

    ProfileStore store = start();
    std::vector<std::string> missing;
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kProfilesEach; ++i) {
            const std::string name = "p" + std::to_string(t) + "-" + std::to_string(i);
            if (store.FindProfile(name) < 0)
                missing.push_back(name);
        }
    }
    EXPECT_EQ(missing, std::vector<std::string>{});
    EXPECT_EQ(store.profileNames().size(), 1u + kThreads * kProfilesEach);
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"cfg.ini"});
}
#else
// Another local user for the lock's tests when they run as root; nobody otherwise.
constexpr uid_t kOtherUser = 65534;

// In a child process: drops to kOtherUser when running as root (a no-op otherwise), so that the
// child stands for another user; exits 126 when that fails.
void becomeAnotherUserIfRoot() {
    if (::geteuid() == 0 && (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0))
        ::_exit(126);
}

TEST_F(ProfileStoreTest, ParallelCommandsKeepEveryChange) {
    start();
    // The folder can be written but not read, as a drop-box folder: the lock must not depend on
    // reading it. Root reads any folder, so as root the commands run as another user.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(m_dir.c_str(), kOtherUser, kOtherUser), 0);
        ASSERT_EQ(::chown(m_cfg.c_str(), kOtherUser, kOtherUser), 0);
        ASSERT_EQ(::chown((m_dir / ".cfg.ini.lock").c_str(), kOtherUser, kOtherUser), 0);
    }
    ASSERT_EQ(::chmod(m_dir.c_str(), 0333), 0);
    constexpr int kProcesses = 12;
    constexpr int kProfilesEach = 4;
    // Every child waits at the gate until the parent closes it, so that all of them run at once.
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            becomeAnotherUserIfRoot();
            ::close(gate[1]);
            char c;
            while (::read(gate[0], &c, 1) > 0) {
            }
            ProfileStore store(m_cfg);
            ProfileSelections out;
            bool ok = store.InitProfileStore(out).ok();
            for (int i = 0; i < kProfilesEach; ++i) {
                const std::string name = "p" + std::to_string(p) + "-" + std::to_string(i);
                ok = store.CreateProfile(name, someValues(i)).ok() && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    ASSERT_EQ(::chmod(m_dir.c_str(), 0700), 0);

    ProfileStore store = start();
    std::vector<std::string> missing;
    for (int p = 0; p < kProcesses; ++p) {
        for (int i = 0; i < kProfilesEach; ++i) {
            const std::string name = "p" + std::to_string(p) + "-" + std::to_string(i);
            if (store.FindProfile(name) < 0)
                missing.push_back(name);
        }
    }
    EXPECT_EQ(missing, std::vector<std::string>{});
    EXPECT_EQ(store.profileNames().size(), 1u + kProcesses * kProfilesEach);
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"cfg.ini"});
}

TEST_F(ProfileStoreTest, OnlyWritersCanHoldTheLockAndAHolderMakesItBusy) {
    ProfileStore store = start();
    fs::permissions(m_dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(m_cfg, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                               fs::perms::others_read);

    // Holders of the lock: another user, where the test runs as root (who must not even get to
    // open the lock file, whatever it does to the readable folder), then a process of ours.
    std::vector<bool> holders = {false};
    if (::geteuid() == 0)
        holders.insert(holders.begin(), true);
    for (const bool otherUser : holders) {
        SCOPED_TRACE(otherUser ? "another user" : "a process of the same user");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        ASSERT_GE(holder, 0);
        if (holder == 0) {
            ::close(ready[0]);
            if (otherUser)
                becomeAnotherUserIfRoot();
            const int folder = ::open(m_dir.c_str(), O_RDONLY | O_DIRECTORY);
            const bool folderLocked = folder >= 0 && ::flock(folder, LOCK_SH) == 0;
            const int lockFile = ::open((m_dir / ".cfg.ini.lock").c_str(), O_RDONLY);
            const char held = lockFile >= 0 && ::flock(lockFile, LOCK_SH) == 0 ? 'h' : '-';
            const char report = folderLocked ? held : 'f';
            [[maybe_unused]] const ssize_t n = ::write(ready[1], &report, 1);
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char report = 0;
        ASSERT_EQ(::read(ready[0], &report, 1), 1);
        ::close(ready[0]);

        const auto started = std::chrono::steady_clock::now();
        const Status s = store.CreateProfile(otherUser ? "by-root" : "blocked", someValues(1));
        const auto waited = std::chrono::steady_clock::now() - started;
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);

        ASSERT_NE(report, 'f') << "the holder could not lock the folder";
        if (otherUser) {
            EXPECT_EQ(report, '-') << "another user could hold the lock";
            EXPECT_TRUE(s.ok()) << s.message();
            continue;
        }
        ASSERT_EQ(report, 'h');
        EXPECT_EQ(s.code(), ErrorCode::Busy) << s.message();
        EXPECT_NE(s.message().find("is busy"), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(m_cfg.string()), std::string::npos) << s.message();
        EXPECT_LT(waited, std::chrono::seconds(30));
        EXPECT_EQ(store.FindProfile("blocked"), -1);
        EXPECT_EQ(ReadTestFile(m_cfg).find("[profile-blocked]"), std::string::npos);
    }
}

// Who a child process runs as: user, primary group and supplementary groups.
struct Account {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;
};

// Runs `action` in a child process as `who` and returns the text it reports. With `stay`, the
// child then waits, holding whatever it opened, until it is killed; its id goes to `*stay`.
std::string runAs(const Account& who, const std::function<std::string()>& action,
                  pid_t* stay = nullptr) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string report = "cannot become user " + std::to_string(who.uid);
        if (::setgroups(who.groups.size(), who.groups.data()) == 0 &&
            ::setresgid(who.gid, who.gid, who.gid) == 0 &&
            ::setresuid(who.uid, who.uid, who.uid) == 0) {
            report = action();
        }
        report += '\0';
        [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], report.data(), report.size());
        if (stay)
            ::pause();
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string report;
    char c;
    while (child > 0 && ::read(pipeFds[0], &c, 1) == 1 && c != '\0') report += c;
    ::close(pipeFds[0]);
    if (stay)
        *stay = child;
    else if (child > 0)
        ::waitpid(child, nullptr, 0);
    return report;
}

TEST_F(ProfileStoreTest, ALockFileThatOthersMadeOrCanOpenIsRefusedAndSaysWhose) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    // A group member with an entry in the user database, which is where the owner learns that
    // the member may change the file; the others are bare ids.
    const struct passwd* member = ::getpwuid(kOtherUser);
    if (member == nullptr)
        GTEST_SKIP() << "no user " << kOtherUser << " in the user database";
    const gid_t shared = member->pw_gid;
    const Account owner{4242, 4242, {shared}};
    const Account stranger{4343, 4343, {}};
    const Account groupMember{kOtherUser, 4244, {shared}};  // primary group not the shared one

    struct Case {
        const char* name;
        mode_t folderMode;
        mode_t cfgMode;  // 0: there is no cfg.ini yet
        Account first;   // who gets at the lock before the owner
        mode_t planted;  // the mode of the lock file `first` makes by hand; 0: runs a command
        bool held;       // `first` holds a lock on what it planted
        bool ownerSucceeds;
        std::vector<std::string> named;  // in the owner's refusal
    };
    const std::vector<Case> cases = {
        {"a stranger's lock held in a sticky folder",
         01777,
         0644,
         stranger,
         0666,
         true,
         false,
         {".cfg.ini.lock", "4343", "0666"}},
        {"a stranger's lock the owner cannot open",
         01777,
         0644,
         stranger,
         0600,
         false,
         false,
         {".cfg.ini.lock", "4343", "0600"}},
        {"a stranger's lock before cfg.ini exists",
         01777,
         0,
         stranger,
         0644,
         false,
         false,
         {".cfg.ini.lock", "4343", "0644"}},
        {"a group member's change in a folder without setgid",
         0775,
         0664,
         groupMember,
         0,
         false,
         true,
         {}},
    };
    ASSERT_EQ(::chmod(m_dir.c_str(), 0755), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = m_dir / std::to_string(&c - cases.data());
        const fs::path cfg = folder / "cfg.ini";
        fs::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), 0, shared), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
        if (c.cfgMode != 0) {
            WriteTestFile(cfg, defaultSection());
            ASSERT_EQ(::chown(cfg.c_str(), owner.uid, shared), 0);
            ASSERT_EQ(::chmod(cfg.c_str(), c.cfgMode), 0);
        }
        auto change = [&cfg](const char* profile) {
            ProfileStore store(cfg);
            ProfileSelections out;
            Status s = store.InitProfileStore(out);
            if (s.ok())
                s = store.CreateProfile(profile, someValues(1));
            return s.ok() ? std::string("ok")
                          : std::to_string(static_cast<int>(s.code())) + " " + s.message();
        };
        pid_t holder = -1;
        if (c.planted == 0) {
            EXPECT_EQ(runAs(c.first, [&] { return change("theirs"); }), "ok");
        } else {
            const fs::path lockFile = folder / ".cfg.ini.lock";
            const std::string planted = runAs(
                c.first,
                [&] {
                    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
                    const bool ok = fd >= 0 && ::fchmod(fd, c.planted) == 0 &&
                                    (!c.held || ::flock(fd, LOCK_EX) == 0);
                    return std::string(ok ? "planted" : "not planted");
                },
                c.held ? &holder : nullptr);
            ASSERT_EQ(planted, "planted");
        }
        const std::string result = runAs(owner, [&] { return change("mine"); });
        if (holder > 0) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
        if (c.ownerSucceeds) {
            EXPECT_EQ(result, "ok");
            continue;
        }
        EXPECT_NE(result, "ok");
        EXPECT_NE(result.rfind(std::to_string(static_cast<int>(ErrorCode::Busy)) + " ", 0), 0u)
            << result;
        EXPECT_EQ(result.find("busy"), std::string::npos) << result;
        for (const std::string& name : c.named)
            EXPECT_NE(result.find(name), std::string::npos) << name << " in: " << result;
    }
}
#endif

TEST_F(ProfileStoreTest, SavingSettingsWritesOnlyTheNamedKeys) {
    // Hand-written values the store does not recognise, a missing key, a comment and odd
    // spacing: none of it may change when other keys are saved.
    std::string section = defaultSection("x");
    section = replaceAll(section, "image_iso=auto", "image_iso=3200");
    section = replaceAll(section, "auto_shutdown=3Min", "Auto_Shutdown = 60Min");
    section = replaceAll(section, "sync_clock=TRUE", "sync_clock=yes");
    section = replaceAll(section, "fov=wide\n", "; mine\n");
    section = replaceAll(section, "osd=on\n", "");
    const std::string other = defaultSection("y");
    WriteTestFile(m_cfg, section + other);
    ProfileStore store = start();

    const std::vector<SettingChange> changes = {
        {Setting::Mode1, 3},      // replaced in place
        {Setting::SyncClock, 1},  // sync_clock=yes becomes TRUE
        {Setting::Fov, 2},        // missing: added at the end of the section
    };
    ASSERT_TRUE(store.SaveSettingsAt(0, changes).ok());
    std::string expected = replaceAll(section, "mode_1=1920x1080p 60", "mode_1=1600x1200p 60");
    expected = replaceAll(expected, "sync_clock=yes", "sync_clock=TRUE");
    expected += "fov=narrow\n";
    EXPECT_EQ(ReadTestFile(m_cfg), expected + other);
    auto loaded = store.LoadProfileAt(0);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->system.m_syncClock, 1);
    EXPECT_EQ(loaded->video.m_fov, 2);

    // All or nothing: one change the store cannot write refuses the whole command.
    const std::vector<std::vector<SettingChange>> refused = {
        {{Setting::Mode2, 1}, {Setting::Mode1, 5}},
        {{Setting::Mode2, 1}, {Setting::Mode1, -1}},
        {{Setting::SyncClock, 2}},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(store.SaveSettingsAt(0, r).ok()) << r.back().value;
        EXPECT_EQ(ReadTestFile(m_cfg), expected + other) << r.back().value;
    }
    EXPECT_FALSE(store.SaveSettingsAt(2, changes).ok());
    EXPECT_EQ(ReadTestFile(m_cfg), expected + other);

    // A profile removed from the file since it was listed is not brought back with a few keys.
    WriteTestFile(m_cfg, other);
    const Status gone = store.SaveSettingsAt(0, changes);
    EXPECT_FALSE(gone.ok());
    EXPECT_NE(gone.message().find("\"x\""), std::string::npos) << gone.message();
    EXPECT_EQ(ReadTestFile(m_cfg), other);
}

}  // namespace
}  // namespace marlix

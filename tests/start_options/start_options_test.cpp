// The data folder of marlix --data-folder: where it is, and entering it.
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "gui/app/start_options.h"
#include "tests/support/scratch_dir.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void setEnvironment(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

// Puts HOME, XDG_DATA_HOME and the working directory back as they were.
class StartOptions : public test_support::ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        m_home = environment("HOME");
        m_dataHome = environment("XDG_DATA_HOME");
        m_cwd = fs::current_path();
    }
    void TearDown() override {
        setEnvironment("HOME", m_home);
        setEnvironment("XDG_DATA_HOME", m_dataHome);
        fs::current_path(m_cwd);
        ScratchDirTest::TearDown();
    }

private:
    std::optional<std::string> m_home, m_dataHome;
    fs::path m_cwd;
};

TEST_F(StartOptions, DataFolderFollowsAnAbsoluteXdgDataHomeElseTheHomeFolder) {
    const std::string home = (m_dir / "home").string();
    const std::string passwdHome = getpwuid(getuid())->pw_dir;
    struct Case {
        std::optional<std::string> home, dataHome;
        std::string expected;
    };
    const Case cases[] = {
        {home, std::nullopt, home + "/.local/share/marlix"},
        {home, "", home + "/.local/share/marlix"},
        {home, "relative/data", home + "/.local/share/marlix"},
        {home, "/srv/data", "/srv/data/marlix"},
        {std::nullopt, std::nullopt, passwdHome + "/.local/share/marlix"},
        {"", "/srv/data", "/srv/data/marlix"},
    };
    for (const Case& c : cases) {
        setEnvironment("HOME", c.home);
        setEnvironment("XDG_DATA_HOME", c.dataHome);
        const auto folder = DataFolderPath();
        ASSERT_TRUE(folder) << folder.message();
        EXPECT_EQ(folder->string(), c.expected)
            << "HOME=" << c.home.value_or("(unset)")
            << " XDG_DATA_HOME=" << c.dataHome.value_or("(unset)");
    }
}

TEST_F(StartOptions, EnterFolderCreatesWhatIsMissingForTheUserAlone) {
    ::umask(022);
    const fs::path folder = m_dir / "data" / "share" / "marlix";
    ASSERT_TRUE(EnterFolder(folder));
    EXPECT_EQ(fs::current_path(), folder);
    for (const fs::path& created : {m_dir / "data", m_dir / "data" / "share", folder}) {
        struct stat info {};
        ASSERT_EQ(::stat(created.c_str(), &info), 0) << created;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << created;
    }
    // Once there, it is entered again as it stands: its files and permissions are kept.
    WriteTestFile(folder / "cfg.ini", "[basic]\n");
    fs::permissions(folder, fs::perms(0755));
    fs::current_path(m_dir);
    ASSERT_TRUE(EnterFolder(folder));
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(ReadTestFile(folder / "cfg.ini"), "[basic]\n");
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms(0755));
}

TEST_F(StartOptions, EnterFolderNamesTheFolderItCannotUseAndStaysWhereItWas) {
    WriteTestFile(m_dir / "taken", "a file, not a folder");
    fs::current_path(m_dir);
    for (const fs::path& folder : {m_dir / "taken", m_dir / "taken" / "marlix"}) {
        const Status status = EnterFolder(folder);
        ASSERT_FALSE(status) << folder;
        EXPECT_NE(status.message().find(folder.string() + ": Not a directory"), std::string::npos)
            << status.message();
        EXPECT_EQ(fs::current_path(), m_dir);
    }
}

// The window's language as the desktop's variables name it, as gettext reads them.
TEST(DesktopLanguage, FollowsLanguageThenTheLocaleOfMessages) {
    struct Case {
        const char *language, *lcAll, *lcMessages, *lang, *expected;
    };
    const Case cases[] = {
        {"", "", "", "de_AT.UTF-8", "de"},
        {"", "", "ru_RU.UTF-8", "de_DE.UTF-8", "ru"},
        {"", "fr_CA.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr"},
        {"zh_TW:ja:de", "", "", "de_DE.UTF-8", "ja"},  // no traditional script: the next one
        {"en_GB:de", "", "", "de_DE.UTF-8", ""},
        {"de", "", "", "C.UTF-8", ""},  // the C locale turns translations off
        {"pt_PT", "", "", "pt_PT.UTF-8", "pt_BR"},
        {"", "", "", "sv_SE.UTF-8", ""},  // nothing marlix has: English
        {"", "", "", "zh_SG.UTF-8", "zh_CN"},
    };
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved[4];
    for (int i = 0; i < 4; ++i) saved[i] = environment(names[i]);
    for (const Case& c : cases) {
        const char* values[] = {c.language, c.lcAll, c.lcMessages, c.lang};
        for (int i = 0; i < 4; ++i) setEnvironment(names[i], std::string(values[i]));
        EXPECT_EQ(ChooseTranslation(DesktopLanguages()), c.expected)
            << c.language << " | " << c.lcAll << " | " << c.lcMessages << " | " << c.lang;
    }
    for (int i = 0; i < 4; ++i) setEnvironment(names[i], saved[i]);
}

}  // namespace
}  // namespace marlix

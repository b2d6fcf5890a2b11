#include "core/devices/card_contents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::WriteTestFile;

class CardContentsTest : public test_support::ScratchDirTest {
protected:
    std::string root() const { return m_dir.string() + "/"; }
};

TEST_F(CardContentsTest, CountsFilesAndFoldersWithoutFollowingLinks) {
    fs::create_directories(m_dir / "DCIM" / "100MEDIA");
    WriteTestFile(m_dir / "DCIM" / "100MEDIA" / "VID0001.MOV", std::string(3000, 'v'));
    WriteTestFile(m_dir / "version.txt", "v1");
    // A link to a folder full of files elsewhere: one entry, nothing behind it counted.
    const fs::path elsewhere = m_dir.string() + "-elsewhere";
    fs::create_directories(elsewhere / "deep");
    WriteTestFile(elsewhere / "deep" / "big", std::string(5000, 'x'));
    std::error_code ec;
    fs::create_directory_symlink(elsewhere, m_dir / "link", ec);
    const bool linked = !ec;

    auto contents = ReadCardContents(root());
    fs::remove_all(elsewhere);
    ASSERT_TRUE(contents.ok()) << contents.message();
    EXPECT_EQ(contents->files, linked ? 3u : 2u);
    EXPECT_EQ(contents->folders, 2u);
    EXPECT_FALSE(contents->moreThanCounted);
    EXPECT_EQ(contents->fileBytes, 3002u);
    std::vector<std::string> names = contents->someFiles;
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = {"DCIM/100MEDIA/VID0001.MOV", "version.txt"};
    if (linked)
        expected.insert(expected.begin() + 1, "link");
    EXPECT_EQ(names, expected);

    EXPECT_FALSE(ReadCardContents(root() + "gone/").ok());
}

TEST_F(CardContentsTest, StopsCountingAtTheLimit) {
    for (std::size_t i = 0; i <= kCardContentsCountLimit; ++i)
        std::ofstream(m_dir / ("f" + std::to_string(i)));
    auto contents = ReadCardContents(root());
    ASSERT_TRUE(contents.ok()) << contents.message();
    EXPECT_TRUE(contents->moreThanCounted);
    EXPECT_EQ(contents->files, kCardContentsCountLimit);
}

TEST(CardContentsText, NamesSomeFilesAndTheSpaceInUse) {
    struct Case {
        CardContents contents;
        std::optional<std::uint64_t> inUse;
        std::string text;
    };
    const Case cases[] = {
        {{1, 0, false, false, 10, {"a\nb"}}, std::nullopt, "1 file (a\\nb), 10 bytes in use"},
        {{4, 1, false, false, 0, {"D/1", "D/2", "x"}},
         std::uint64_t(1288490189),
         "4 files and 1 folder (D/1, D/2, x, ...), 1.2 GB in use"},
        {{9000, 1000, true, false, 1536, {"a"}},
         std::nullopt,
         "More than " + std::to_string(kCardContentsCountLimit) +
             " files and folders (a, ...), at least 1.5 KB in use"},
        {{}, std::uint64_t(0), "No files or folders, 0 bytes in use"},
    };
    for (const Case& c : cases) EXPECT_EQ(CardContentsText(c.contents, c.inUse), c.text);
}

}  // namespace
}  // namespace marlix

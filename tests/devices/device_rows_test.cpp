#include "core/devices/device_rows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/support/scratch_dir.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace marlix {
namespace {

namespace fs = std::filesystem;

class TempRoot {
public:
    TempRoot()
        : m_path(test_support::MakeUniqueDirectory(fs::temp_directory_path(), "marlix-rows")) {}
    ~TempRoot() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    // The drive root as the device list holds it: with a trailing separator.
    std::string root() const { return m_path.string() + "/"; }
    fs::path operator/(const char* name) const { return m_path / name; }
    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }

private:
    fs::path m_path;
};

TEST(SpaceText, FormatsMegabytesAndGigabytes) {
    constexpr std::uint64_t MB = 1 << 20;
    const struct {
        std::uint64_t total;
        std::uint64_t free;
        const char* text;
    } cases[] = {
        {31914983424ull, 31902400512ull, "30424 MB/30436 MB(29 G/29 G)"},
        {1023 * MB, 1023 * MB, "1023 MB/1023 MB(0 G/0 G)"},
        {1024 * MB, 1024 * MB - 1, "1023 MB/1024 MB(0 G/1 G)"},
        {0, 0, "0 MB/0 MB(0 G/0 G)"},
        {MB - 1, MB - 1, "0 MB/0 MB(0 G/0 G)"},
        // 3 TiB still fits: 32 bits of megabytes hold up to 2 PiB.
        {3ull << 40, 2ull << 40, "2097152 MB/3145728 MB(2048 G/3072 G)"},
        // From 2 PiB the megabyte figure wraps to negative, and 4 PiB to 0 again.
        {1ull << 51, (1ull << 51) - MB, "2147483647 MB/-2147483648 MB(2097151 G/-2097152 G)"},
        {(1ull << 52) + 5 * MB, 0, "0 MB/5 MB(0 G/0 G)"},
    };
    for (const auto& c : cases) EXPECT_EQ(SpaceText(c.total, c.free), c.text) << c.total;
}

TEST(SpaceText, UnknownSpaceShowsZeros) {
    EXPECT_EQ(SpaceText(DriveInfo{"/m/", "", false, 1ull << 35, 1ull << 34}), "0 MB/0 MB(0 G/0 G)");
    EXPECT_EQ(SpaceText(DriveInfo{"/m/", "", true, 1ull << 35, 1ull << 34}),
              "16384 MB/32768 MB(16 G/32 G)");
}

struct VersionCase {
    const char* what;
    std::string bytes;
    std::string text;
};

void expectVersionTexts(const std::vector<VersionCase>& cases) {
    for (const auto& c : cases) {
        TempRoot drive;
        drive.Write("version.txt", c.bytes);
        const VersionText version = ReadVersionText(drive.root());
        EXPECT_EQ(version.text, c.text) << c.what;
        EXPECT_EQ(version.result, 0) << c.what;
    }
}

TEST(ReadVersionText, TakesAtMost99BytesUpToNul) {
    expectVersionTexts({
        {"line break kept", "V1.2\r\n", "V1.2\r\n"},
        {"NUL ends the text", std::string("V1\0tail", 7), "V1"},
        {"500 bytes", std::string(500, 'x'), std::string(99, 'x')},
        {"empty file", "", ""},
    });
}

#ifdef _WIN32
TEST(ReadVersionText, ReadsTheAnsiCodePage) {
    // Code page 1252 and Latin-1 differ at 0x80..0x9F, which shows which one was used.
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the active code page is " << ::GetACP();
    expectVersionTexts({
        {"accented letter", "V\xe9", "V\xc3\xa9"},
        {"euro sign", "\x80 1.0", "\xe2\x82\xac 1.0"},
        {"UTF-8 bytes are code page characters too", "\xc3\xa9", "\xc3\x83\xc2\xa9"},
    });
}
#else
TEST(ReadVersionText, TakesUtf8OrLatin1) {
    const std::string cjk = "\xe7\x89\x88";  // one three-byte character
    expectVersionTexts({
        {"UTF-8 as it is", "V2 " + cjk, "V2 " + cjk},
        {"Latin-1 otherwise", "V\xe9", "V\xc3\xa9"},
        {"character cut by the limit is dropped", std::string(98, 'a') + cjk, std::string(98, 'a')},
        {"text ended by a NUL is not cut", std::string("a\xe7\0", 3) + std::string(96, 'b'),
         "a\xc3\xa7"},
        {"invalid bytes before the limit stay Latin-1", "\xff" + std::string(97, 'a') + cjk,
         "\xc3\xbf" + std::string(97, 'a') + "\xc3\xa7"},
    });
}
#endif

TEST(ReadVersionText, AnythingButARegularFileShowsNoInformation) {
    const struct {
        const char* what;
        void (*make)(const TempRoot&);
    } cases[] = {
        {"absent", [](const TempRoot&) {}},
        {"directory", [](const TempRoot& d) { fs::create_directory(d / "version.txt"); }},
        // Windows lets only privileged users make links; a link that cannot be made leaves the
        // file absent, which must show the same.
        {"link to a file",
         [](const TempRoot& d) {
             d.Write("real.txt", "V1");
             std::error_code ec;
             fs::create_symlink("real.txt", d / "version.txt", ec);
         }},
        {"dangling link",
         [](const TempRoot& d) {
             std::error_code ec;
             fs::create_symlink("missing.txt", d / "version.txt", ec);
         }},
#ifndef _WIN32
        {"FIFO without a writer",
         [](const TempRoot& d) { ASSERT_EQ(::mkfifo((d / "version.txt").c_str(), 0644), 0); }},
        {"character device",
         [](const TempRoot& d) {
             if (::mknod((d / "version.txt").c_str(), S_IFCHR | 0644, makedev(1, 3)) != 0) {
                 fs::create_symlink("/dev/null", d / "version.txt");
             }
         }},
#endif
    };
    for (const auto& c : cases) {
        TempRoot drive;
        c.make(drive);
        const VersionText version = ReadVersionText(drive.root());
        EXPECT_EQ(version.text, "No infomation") << c.what;
        EXPECT_EQ(version.result, -1) << c.what;
    }
}

TEST(DescribeDrives, OneRowPerDriveWithItsOwnTexts) {
    TempRoot first;
    TempRoot second;
    first.Write("version.txt", "FW 3.1");
    const std::vector<DriveInfo> drives = {
        {first.root(), "CAM", true, 31914983424ull, 31902400512ull},
        {second.root(), "", false, 0, 0},
        {"/media/u/LATE/", "LATE", false, 0, 0},
    };
    const std::vector<ProbedDrive> probed = {
        ProbedDrive{drives[0], ReadVersionText(first.root()).text, true},
        ProbedDrive{drives[1], ReadVersionText(second.root()).text, true},
        ProbedDrive{drives[2], "", false},
    };
    const std::vector<DeviceRow> expected = {
        {first.root(), "CAM", "30424 MB/30436 MB(29 G/29 G)", "FW 3.1", DriveState::Answered,
         drives[0]},
        {second.root(), "", "0 MB/0 MB(0 G/0 G)", "No infomation", DriveState::Answered, drives[1]},
        {"/media/u/LATE/", "LATE", "Not answering", "", DriveState::NotAnswering, drives[2]},
    };
    EXPECT_EQ(DescribeDrives(probed), expected);
}

}  // namespace
}  // namespace marlix

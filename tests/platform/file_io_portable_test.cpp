// The same cases run against the POSIX and the Windows implementation (the latter under Wine).
#include "core/platform/files/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/platform/text.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/platform/text_win32.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace marlix {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kLimit = 1 << 20;
using namespace std::string_literals;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        m_dir =
            fs::temp_directory_path() /
            PathFromUtf8("marlix-file-io-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        ASSERT_TRUE(fs::create_directory(m_dir));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    fs::path at(std::string_view utf8Name) const { return m_dir / PathFromUtf8(utf8Name); }

    static void put(const fs::path& path, std::string_view bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << PathToUtf8(path);
    }

    static std::string get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            names.push_back(PathToUtf8(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
};

bool isSymlink(const fs::path& path) {
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
#else
    return fs::is_symlink(fs::symlink_status(path));
#endif
}

// Creating a link needs a privilege on Windows, and Wine only pretends to create one; such
// systems skip the link cases.
bool makeFileSymlink(const fs::path& link, const fs::path& target) {
#ifdef _WIN32
    if (!::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)) {
        return false;
    }
    return isSymlink(link);
#else
    std::error_code ec;
    fs::create_symlink(target, link, ec);
    return !ec;
#endif
}

TEST_F(FileIo, WritesExactBytesUnderNamesOutsideAscii) {
    // Line ends must pass untouched (no text-mode translation), and names need the wide API on
    // Windows.
    const std::string bytes = "[profile-Été]\r\nmode_1=1920x1080p 60\nx\r\0y"s;
    const struct {
        const char* folder;
        const char* file;
    } cases[] = {
        {"plain", "cfg.ini"},
        {"Profilé ü", "cfg.ini"},
        {"日本語", "相机.conf"},
        {"emoji \xF0\x9F\x93\xB7", "\xF0\x9F\x93\xB7.ini"},
    };
    for (const auto& c : cases) {
        const fs::path folder = at(c.folder);
        EXPECT_TRUE(fs::create_directory(folder)) << c.folder;
        const fs::path file = folder / PathFromUtf8(c.file);
        EXPECT_EQ(PathToUtf8(file.filename()), c.file);

        const Status written =
            AtomicWriteFile(file, bytes, {.followSymlink = true, .recheckAfterRename = true});
        EXPECT_TRUE(written.ok()) << written.message();
        EXPECT_EQ(get(file), bytes) << c.folder;

        auto probe = ProbeFile(file);
        EXPECT_EQ(probe.ok() ? *probe : FileKind::Other, FileKind::Regular) << probe.message();
        auto whole = ReadWholeFile(file, kLimit);
        EXPECT_EQ(whole.ok() ? *whole : whole.message(), bytes);
        auto small = ReadSmallRegularFile(file, 99);
        EXPECT_EQ(small.ok() ? small->value_or("<none>") : small.message(), bytes);
    }
}

TEST_F(FileIo, ReplacesWholeFileAndLeavesNoTemporaryBehind) {
    const fs::path file = at("camera.conf");
    put(file, std::string(2000, 'x'));
    ASSERT_TRUE(AtomicWriteFile(file, "short\r\n").ok());
    EXPECT_EQ(get(file), "short\r\n");
    ASSERT_TRUE(AtomicWriteFile(file, "").ok());
    EXPECT_EQ(get(file), "");
    EXPECT_EQ(entries(), std::vector<std::string>{"camera.conf"});
}

TEST_F(FileIo, FailedWriteNamesThePathAndChangesNothing) {
    const fs::path missingFolder = at("no such folder") / "cfg.ini";
    Status status = AtomicWriteFile(missingFolder, "data");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(PathToUtf8(missingFolder)), std::string::npos)
        << status.message();

    const fs::path folder = at("cfg.ini");
    fs::create_directory(folder);
    status = AtomicWriteFile(folder, "data");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("cfg.ini"), std::string::npos) << status.message();
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(entries(), std::vector<std::string>{"cfg.ini"});
}

TEST_F(FileIo, AbsentFilesAreMissingNotFailures) {
    const fs::path cases[] = {at("absent.ini"), at("absent folder") / "cfg.ini"};
    for (const auto& path : cases) {
        auto probe = ProbeFile(path);
        EXPECT_EQ(probe.ok() ? *probe : FileKind::Other, FileKind::Missing) << probe.message();
        auto present = ReadFileIfPresent(path, kLimit);
        EXPECT_TRUE(present.ok() && !present->has_value()) << present.message();
        auto small = ReadSmallRegularFile(path, 99);
        EXPECT_TRUE(small.ok() && !small->has_value()) << small.message();
        auto whole = ReadWholeFile(path, kLimit);
        EXPECT_FALSE(whole.ok());
        EXPECT_NE(whole.message().find(PathToUtf8(path)), std::string::npos) << whole.message();
    }
}

TEST_F(FileIo, ReadingAFolderFailsWholeAndYieldsNothingSmall) {
    const fs::path folder = at("version.txt");
    fs::create_directory(folder);
    auto whole = ReadWholeFile(folder, kLimit);
    ASSERT_FALSE(whole.ok());
    EXPECT_NE(whole.message().find("version.txt"), std::string::npos) << whole.message();
    auto small = ReadSmallRegularFile(folder, 99);
    ASSERT_TRUE(small.ok()) << small.message();
    EXPECT_FALSE(small->has_value());
}

TEST_F(FileIo, SmallReadStopsAtTheLimit) {
    const fs::path file = at("version.txt");
    const std::string text(500, 'v');
    put(file, text);
    for (std::size_t limit : {0u, 1u, 99u, 500u, 501u}) {
        auto small = ReadSmallRegularFile(file, limit);
        ASSERT_TRUE(small.ok()) << small.message();
        ASSERT_TRUE(small->has_value());
        EXPECT_EQ(**small, text.substr(0, limit));
    }
}

TEST_F(FileIo, SmallReadTurnsAwayDevicesWithoutBlocking) {
#ifdef _WIN32
    const fs::path devices[] = {L"\\\\.\\NUL", L"\\\\.\\CONIN$"};
#else
    const fs::path devices[] = {"/dev/null", "/dev/zero"};
    const fs::path fifo = at("version.txt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Nobody writes: a blocking open would hang the test here.
    auto fromFifo = ReadSmallRegularFile(fifo, 99);
    ASSERT_TRUE(fromFifo.ok()) << fromFifo.message();
    EXPECT_FALSE(fromFifo->has_value());
#endif
    for (const auto& device : devices) {
        auto small = ReadSmallRegularFile(device, 99);
        if (!small.ok())
            continue;  // refusing to open it is fine too
        EXPECT_FALSE(small->has_value()) << PathToUtf8(device);
    }
}

TEST_F(FileIo, LinksAreReplacedOrWrittenThroughAsAsked) {
    const fs::path target = at("real.ini");
    const fs::path link = at("cfg.ini");
    put(target, "old");
    if (!makeFileSymlink(link, target))
        GTEST_SKIP() << "symbolic links are not available here";

    ASSERT_TRUE(AtomicWriteFile(link, "through", {.followSymlink = true}).ok());
    EXPECT_EQ(get(target), "through");
    EXPECT_TRUE(isSymlink(link));

    // A link at the last component is not followed by the bounded reader.
    auto small = ReadSmallRegularFile(link, 99);
    ASSERT_TRUE(small.ok()) << small.message();
    EXPECT_FALSE(small->has_value());

    ASSERT_TRUE(AtomicWriteFile(link, "replaced", {.followSymlink = false}).ok());
    EXPECT_FALSE(isSymlink(link));
    EXPECT_EQ(get(link), "replaced");
    EXPECT_EQ(get(target), "through");
}

TEST_F(FileIo, ReadOnlyFileIsRefusedAndKept) {
    const fs::path file = at("cfg.ini");
    put(file, "old");
    // On Windows this sets the read-only attribute.
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Status status = AtomicWriteFile(file, "new");
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_FALSE(status.ok());
#ifdef _WIN32
    EXPECT_NE(status.message().find(WindowsErrorText(ERROR_ACCESS_DENIED)), std::string::npos)
#else
    EXPECT_NE(status.message().find(ErrnoText(EACCES)), std::string::npos)
#endif
        << status.message();
    EXPECT_EQ(get(file), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"cfg.ini"});
}

TEST_F(FileIo, LongestNamesCanBeWrittenAndReplaced) {
    // The temporary file beside a name this long cannot carry the name in its own.
    for (std::size_t length : {std::size_t{200}, std::size_t{247}, std::size_t{255}}) {
        const fs::path dir = at(std::to_string(length));
        fs::create_directory(dir);
        const fs::path file = dir / std::string(length, 'n');
        for (const char* bytes : {"first", "second"}) {
            const Status status = AtomicWriteFile(file, bytes);
            ASSERT_TRUE(status.ok()) << length << ": " << status.message();
            EXPECT_EQ(get(file), bytes) << length;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
            << length;
    }
}

#ifdef _WIN32
TEST_F(FileIo, DeviceNamesAreNeitherReadNorReplaced) {
    // Every folder holds the reserved device names; "NUL" there is the null device.
    for (const char* name : {"NUL", "CON"}) {
        const fs::path device = at(name);
        auto whole = ReadWholeFile(device, kLimit);
        EXPECT_FALSE(whole.ok()) << name;
        const Status written = AtomicWriteFile(device, "bytes");
        EXPECT_FALSE(written.ok()) << name;
        EXPECT_NE(written.message().find(name), std::string::npos) << written.message();
    }
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

TEST_F(FileIo, ReplaceKeepsHiddenAndSystemAttributes) {
    const fs::path file = at("cfg.ini");
    put(file, "old");
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(AtomicWriteFile(file, "new").ok());
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(get(file), "new");
}

TEST_F(FileIo, TargetHeldOpenByAnotherProgramFailsCleanly) {
    // Without delete sharing the target cannot be replaced; the old contents stay and the
    // temporary file goes.
    const fs::path file = at("camera.conf");
    put(file, "old");
    HANDLE holder = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const Status status = AtomicWriteFile(file, "new");
    ::CloseHandle(holder);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("camera.conf"), std::string::npos) << status.message();
    EXPECT_EQ(get(file), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"camera.conf"});
}
#else
TEST_F(FileIo, ReplaceKeepsPermissionBits) {
    const fs::path file = at("cfg.ini");
    put(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(AtomicWriteFile(file, "new").ok());
    struct stat st;
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
#endif

}  // namespace
}  // namespace marlix

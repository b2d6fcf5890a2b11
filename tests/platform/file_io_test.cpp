#include "core/platform/files/file_io.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t kLimit = 1 << 20;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

class FileIoTest : public test_support::ScratchDirTest {
protected:
    // Everything in the scratch directory, so that a stray temporary file shows.
    std::vector<std::string> entries(const fs::path& dir) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Temporary files are hidden files beside their target; none may outlive a write.
    std::vector<std::string> temporaries(const fs::path& dir) const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            if (entry.path().filename().string().front() == '.')
                found.push_back(entry.path().string());
        }
        return found;
    }

    bool contains(const Status& s, int error) const {
        return s.message().find(std::strerror(error)) != std::string::npos;
    }
};

// The kinds of things that are not regular files and still sit at a path like one. A device is
// made only where mknod is allowed (root outside a restricted container).
enum class Odd { Fifo, Directory, NullDevice };

bool makeOdd(Odd kind, const fs::path& path) {
    switch (kind) {
        case Odd::Fifo:
            return ::mkfifo(path.c_str(), 0644) == 0;
        case Odd::Directory:
            return fs::create_directory(path);
        case Odd::NullDevice:
            return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    }
    return false;
}

const char* oddName(Odd kind) {
    return kind == Odd::Fifo ? "FIFO" : kind == Odd::Directory ? "directory" : "device";
}

TEST_F(FileIoTest, LinksAreFollowedOrReplacedAsAsked) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> links;  // name, what it points to
        bool follow;
        const char* written;  // the path that holds the new bytes afterwards
    };
    const std::vector<Case> cases = {
        {"followed", {{"cfg.ini", "real"}}, true, "real"},
        {"replaced", {{"cfg.ini", "real"}}, false, "cfg.ini"},
        {"relative chain", {{"cfg.ini", "a"}, {"a", "sub/b"}, {"sub/b", "../real"}}, true, "real"},
        {"chain into a folder", {{"cfg.ini", "sub/c"}, {"sub/c", "d"}}, true, "sub/d"},
        {"dangling, followed", {{"cfg.ini", "sub/new"}}, true, "sub/new"},
        {"dangling, replaced", {{"cfg.ini", "sub/new"}}, false, "cfg.ini"},
    };
    for (const Case& c : cases) {
        const fs::path dir = m_dir / c.what;
        fs::create_directories(dir / "sub");
        WriteTestFile(dir / "real", "old");
        WriteTestFile(dir / "sub/d", "old");
        for (const auto& [name, to] : c.links) fs::create_symlink(to, dir / name);

        const Status s = AtomicWriteFile(dir / "cfg.ini", "new", {.followSymlink = c.follow});
        EXPECT_TRUE(s.ok()) << c.what << ": " << s.message();
        EXPECT_EQ(ReadTestFile(dir / c.written), "new") << c.what;
        EXPECT_EQ(fs::is_symlink(dir / "cfg.ini"), c.follow) << c.what;
        if (std::string(c.written) != "real") {
            EXPECT_EQ(ReadTestFile(dir / "real"), "old") << c.what;
        }
        EXPECT_EQ(temporaries(dir), std::vector<std::string>{}) << c.what;
    }
}

TEST_F(FileIoTest, LinkLoopFailsAndLeavesTheLinks) {
    fs::create_symlink("self", m_dir / "self");
    fs::create_symlink("b", m_dir / "a");
    fs::create_symlink("a", m_dir / "b");
    for (const char* name : {"self", "a"}) {
        const Status s = AtomicWriteFile(m_dir / name, "new");
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_TRUE(contains(s, ELOOP)) << s.message();
        EXPECT_NE(s.message().find((m_dir / name).string()), std::string::npos) << s.message();
    }
    EXPECT_EQ(entries(m_dir), (std::vector<std::string>{"a", "b", "self"}));
    EXPECT_TRUE(fs::is_symlink(m_dir / "a") && fs::is_symlink(m_dir / "b"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "self"));
}

TEST_F(FileIoTest, ModeAndOwnerAreKept) {
    const fs::path file = m_dir / "cfg.ini";
    WriteTestFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }

    ASSERT_TRUE(AtomicWriteFile(file, "new").ok());
    struct stat st;
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    } else {
        std::cout << "[  NOTE    ] not root: only the mode is checked\n";
    }
    EXPECT_EQ(ReadTestFile(file), "new");
}

TEST_F(FileIoTest, ReadOnlyFileIsRefusedEvenForRoot) {
    WriteTestFile(m_dir / "real", "old");
    ASSERT_EQ(::chmod((m_dir / "real").c_str(), 0444), 0);
    fs::create_symlink("real", m_dir / "link");
    for (const char* name : {"real", "link"}) {
        const Status s = AtomicWriteFile(m_dir / name, "new");
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_TRUE(contains(s, EACCES)) << s.message();
        EXPECT_NE(s.message().find((m_dir / name).string()), std::string::npos) << s.message();
    }
    EXPECT_EQ(ReadTestFile(m_dir / "real"), "old");
    EXPECT_EQ(entries(m_dir), (std::vector<std::string>{"link", "real"}));

    // Replacing the link itself does not write the read-only file.
    ASSERT_TRUE(AtomicWriteFile(m_dir / "link", "new", {.followSymlink = false}).ok());
    EXPECT_EQ(ReadTestFile(m_dir / "real"), "old");
}

TEST_F(FileIoTest, WhatIsNoRegularFileIsNeverReplaced) {
    for (Odd kind : {Odd::Fifo, Odd::Directory, Odd::NullDevice}) {
        for (bool viaLink : {false, true}) {
            const fs::path dir = m_dir / (std::string(oddName(kind)) + (viaLink ? "-link" : ""));
            fs::create_directory(dir);
            if (!makeOdd(kind, dir / "odd")) {
                ASSERT_EQ(kind, Odd::NullDevice) << std::strerror(errno);
                std::cout << "[  NOTE    ] mknod is not permitted here: " << std::strerror(errno)
                          << "; the device case is left out\n";
                continue;
            }
            const fs::path path = dir / (viaLink ? "link" : "odd");
            if (viaLink)
                fs::create_symlink("odd", path);
            const fs::file_type before = fs::symlink_status(dir / "odd").type();

            const Status s = AtomicWriteFile(path, "new");
            EXPECT_FALSE(s.ok()) << dir;
            EXPECT_NE(s.message().find(path.string()), std::string::npos) << s.message();
            EXPECT_EQ(fs::symlink_status(dir / "odd").type(), before) << dir;
            EXPECT_EQ(entries(dir).size(), viaLink ? 2u : 1u) << dir;
        }
    }
}

TEST_F(FileIoTest, FailedWriteLeavesTheFileAndNoTemporary) {
    const fs::path file = m_dir / "cfg.ini";
    WriteTestFile(file, "old");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const Status s = AtomicWriteFile(file, "more than four bytes");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(contains(s, EFBIG)) << s.message();
    EXPECT_EQ(ReadTestFile(file), "old");
    EXPECT_EQ(entries(m_dir), std::vector<std::string>{"cfg.ini"});
}

TEST_F(FileIoTest, NamesUpToTheLongestAllowedCanBeWritten) {
    for (std::size_t length :
         {std::size_t{200}, std::size_t{NAME_MAX} - 8, std::size_t{NAME_MAX}}) {
        const fs::path dir = m_dir / std::to_string(length);
        fs::create_directory(dir);
        const fs::path file = dir / std::string(length, 'n');
        for (const char* bytes : {"first", "second"}) {  // creates, then replaces
            const Status s = AtomicWriteFile(file, bytes);
            ASSERT_TRUE(s.ok()) << length << ": " << s.message();
            EXPECT_EQ(ReadTestFile(file), bytes) << length;
            EXPECT_EQ(entries(dir).size(), 1u) << length;
        }
    }
}

TEST_F(FileIoTest, WholeFileReadsRefuseWhatIsNoRegularFile) {
    for (Odd kind : {Odd::Fifo, Odd::Directory, Odd::NullDevice}) {
        const fs::path path = m_dir / oddName(kind);
        if (!makeOdd(kind, path)) {
            ASSERT_EQ(kind, Odd::NullDevice) << std::strerror(errno);
            std::cout << "[  NOTE    ] mknod is not permitted here: " << std::strerror(errno)
                      << "; the device case is left out\n";
            continue;
        }
        auto whole = ReadWholeFile(path, kLimit);
        EXPECT_FALSE(whole.ok()) << path;
        EXPECT_NE(whole.message().find(path.string()), std::string::npos) << whole.message();
        auto present = ReadFileIfPresent(path, kLimit);
        EXPECT_FALSE(present.ok()) << path;
    }
    WriteTestFile(m_dir / "plain", "bytes");
    auto plain = ReadFileIfPresent(m_dir / "plain", kLimit);
    ASSERT_TRUE(plain.ok() && plain->has_value());
    EXPECT_EQ(**plain, "bytes");
    auto missing = ReadFileIfPresent(m_dir / "missing", kLimit);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->has_value());
}

TEST_F(FileIoTest, SmallRegularFileReads) {
    WriteTestFile(m_dir / "plain", "0123456789");
    ASSERT_EQ(::mkfifo((m_dir / "fifo").c_str(), 0644), 0);
    fs::create_directory(m_dir / "dir");
    fs::create_symlink("plain", m_dir / "link");
    struct Case {
        const char* name;
        std::size_t limit;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"plain", 99, "0123456789"},   {"plain", 10, "0123456789"}, {"plain", 4, "0123"},
        {"fifo", 99, std::nullopt},    {"dir", 99, std::nullopt},   {"link", 99, std::nullopt},
        {"missing", 99, std::nullopt},
    };
    for (const Case& c : cases) {
        auto read = ReadSmallRegularFile(m_dir / c.name, c.limit);
        EXPECT_TRUE(read.ok()) << c.name << ": " << read.message();
        if (read.ok()) {
            EXPECT_EQ(*read, c.expected) << c.name << " " << c.limit;
        }
    }
}

}  // namespace
}  // namespace marlix

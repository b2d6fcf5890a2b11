// Failures a file system reports only rarely (a failed sync, a write cut short without a word, a
// file that reads back otherwise than written), provoked by standing in for the C library's
// write, fsync and renameat in this program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/files/file_io.h"
#include "tests/support/scratch_dir.h"

namespace {

// errno that fsync returns for a directory / a regular file; 0 lets the call through.
int g_directorySyncError = 0;
int g_fileSyncError = 0;
// Appends a byte to the renamed file, as a file system that garbles data would.
bool g_garbleAfterRename = false;
// How writes into files under this folder fail: not at all, short while claiming success (a
// failing card that says nothing), or with this errno after writing part of the bytes.
std::string g_writeFolder;
enum class WriteFault { None, SilentlyShort, Error };
WriteFault g_writeFault = WriteFault::None;
int g_writeError = 0;

bool underWriteFolder(int fd) {
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), path, sizeof path - 1);
    return n > 0 && !g_writeFolder.empty() &&
           std::string_view(path, static_cast<std::size_t>(n)).starts_with(g_writeFolder);
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    if (g_writeFault != WriteFault::None && size > 1 && underWriteFolder(fd)) {
        const ssize_t half = static_cast<ssize_t>(::syscall(SYS_write, fd, data, size / 2));
        if (g_writeFault == WriteFault::SilentlyShort)
            return half < 0 ? half : static_cast<ssize_t>(size);
        errno = g_writeError;
        return -1;
    }
    return static_cast<ssize_t>(::syscall(SYS_write, fd, data, size));
}

extern "C" int fsync(int fd) {
    struct stat st;
    if (::fstat(fd, &st) == 0) {
        const int error = S_ISDIR(st.st_mode) ? g_directorySyncError : g_fileSyncError;
        if (error != 0) {
            errno = error;
            return -1;
        }
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int renameat(int fromDir, const char* from, int toDir, const char* to) {
    const int result = static_cast<int>(::syscall(SYS_renameat, fromDir, from, toDir, to));
    if (result == 0 && g_garbleAfterRename) {
        const int fd = ::openat(toDir, to, O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t n = ::write(fd, "!", 1);
            ::close(fd);
        }
    }
    return result;
}

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

AtomicWriteOptions replacingLinks(bool recheck) {
    AtomicWriteOptions options;
    options.followSymlink = false;
    options.recheckAfterRename = recheck;
    return options;
}

class RareFailureTest : public test_support::ScratchDirTest {
protected:
    void TearDown() override {
        g_directorySyncError = 0;
        g_fileSyncError = 0;
        g_garbleAfterRename = false;
        g_writeFault = WriteFault::None;
        g_writeFolder.clear();
        ScratchDirTest::TearDown();
    }
};

TEST_F(RareFailureTest, SyncFailuresAreReported) {
    struct Case {
        const char* what;
        int directoryError;
        int fileError;
        bool ok;
        const char* after;
    };
    const std::vector<Case> cases = {
        {"file sync fails", 0, EIO, false, "old"},
        {"directory sync fails", EIO, 0, false, "new"},
        // Some file systems cannot sync a directory at all; the rename is as durable as it gets.
        {"directory sync unsupported", EINVAL, 0, true, "new"},
        {"directory sync not supported", ENOTSUP, 0, true, "new"},
    };
    const fs::path file = m_dir / "cfg.ini";
    for (const Case& c : cases) {
        WriteTestFile(file, "old");
        g_directorySyncError = c.directoryError;
        g_fileSyncError = c.fileError;
        const Status s = AtomicWriteFile(file, "new");
        g_directorySyncError = g_fileSyncError = 0;

        EXPECT_EQ(s.ok(), c.ok) << c.what << ": " << s.message();
        if (!c.ok) {
            EXPECT_NE(s.message().find(file.string()), std::string::npos) << s.message();
            EXPECT_NE(s.message().find(std::strerror(EIO)), std::string::npos) << s.message();
        }
        EXPECT_EQ(ReadTestFile(file), c.after) << c.what;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
            << c.what;
    }
}

TEST_F(RareFailureTest, OnlyAFileThatReadsBackWholeReplacesTheOldOne) {
    struct Case {
        const char* what;
        WriteFault fault;
        int error;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"short write that claims success", WriteFault::SilentlyShort, 0, "differs"},
        {"write error after part of the bytes", WriteFault::Error, EIO, std::strerror(EIO)},
        {"card full after part of the bytes", WriteFault::Error, ENOSPC, std::strerror(ENOSPC)},
    };
    const std::string old(363, 'o');
    const std::string fresh(463, 'n');
    for (const fs::path& file : {m_dir / "camera.conf", m_dir / "cfg.ini"}) {
        for (const Case& c : cases) {
            WriteTestFile(file, old);
            g_writeFolder = m_dir.string();
            g_writeFault = c.fault;
            g_writeError = c.error;
            const Status s = AtomicWriteFile(file, fresh, replacingLinks(false));
            g_writeFault = WriteFault::None;

            EXPECT_FALSE(s.ok()) << c.what;
            EXPECT_NE(s.message().find(c.reason), std::string::npos)
                << c.what << ": " << s.message();
            EXPECT_EQ(ReadTestFile(file), old) << c.what;
            EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
                << c.what;
            fs::remove(file);
        }
    }
}

TEST_F(RareFailureTest, GarbledAfterTheRenameIsReportedWhenRechecked) {
    const fs::path file = m_dir / "camera.conf";
    g_garbleAfterRename = true;
    const Status checked = AtomicWriteFile(file, "new", replacingLinks(true));
    EXPECT_FALSE(checked.ok());
    EXPECT_NE(checked.message().find(file.string()), std::string::npos) << checked.message();
    EXPECT_NE(checked.message().find("differs"), std::string::npos) << checked.message();

    // Without the second check the garbled file goes unnoticed: the check above caught it.
    EXPECT_TRUE(AtomicWriteFile(file, "new", replacingLinks(false)).ok());
    EXPECT_EQ(ReadTestFile(file), "new!");
}

}  // namespace
}  // namespace marlix

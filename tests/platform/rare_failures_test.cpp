// Failures a file system reports only rarely (a failed sync, a file that reads back otherwise
// than written), provoked by standing in for the C library's fsync and rename in this program.
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

#include "platform/files/file_io.h"
#include "tests/support/scratch_dir.h"

namespace {

// errno that fsync returns for a directory / a regular file; 0 lets the call through.
int g_directorySyncError = 0;
int g_fileSyncError = 0;
// Appends a byte to the renamed file, as a file system that garbles data would.
bool g_garbleAfterRename = false;

}  // namespace

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

extern "C" int rename(const char* from, const char* to) {
    const int result = ::renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0 && g_garbleAfterRename) {
        const int fd = ::open(to, O_WRONLY | O_APPEND | O_CLOEXEC);
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

class RareFailureTest : public test_support::ScratchDirTest {
protected:
    void TearDown() override {
        g_directorySyncError = 0;
        g_fileSyncError = 0;
        g_garbleAfterRename = false;
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

TEST_F(RareFailureTest, ReadBackMismatchIsReportedWhenVerifying) {
    const fs::path file = m_dir / "camera.conf";
    g_garbleAfterRename = true;
    const Status checked = AtomicWriteFile(file, "new", {.followSymlink = false, .verify = true});
    EXPECT_FALSE(checked.ok());
    EXPECT_NE(checked.message().find(file.string()), std::string::npos) << checked.message();
    EXPECT_NE(checked.message().find("differs"), std::string::npos) << checked.message();

    // Without verification the garbled file goes unnoticed: the check above is what caught it.
    EXPECT_TRUE(AtomicWriteFile(file, "new", {.followSymlink = false, .verify = false}).ok());
    EXPECT_EQ(ReadTestFile(file), "new!");
}

}  // namespace
}  // namespace marlix

// The Linux backend on a real kernel: an ext2 image on a loop device, marked removable and
// mounted in a private mount namespace so that nothing outside this test sees it.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <linux/loop.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include "tests/support/scratch_dir.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/devices/device_rows.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

class TempDir : public test_support::ScratchDir {
public:
    TempDir() : ScratchDir("marlix-realmount") {}
};

// Runs a program and returns its exit status; 127 when it could not be started.
int RunProgram(const std::vector<std::string>& argv) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

std::string FindProgram(const char* name) {
    for (const char* dir : {"/usr/sbin/", "/sbin/", "/usr/bin/", "/bin/"}) {
        const std::string path = std::string(dir) + name;
        if (::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

// A loop device over an image file; detached when this goes, and by the kernel on its own
// (autoclear) should the test die first.
class LoopDevice {
public:
    // Empty on success, else why no loop device could be had.
    std::string Attach(const fs::path& image) {
        const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
        if (control < 0)
            return Reason("open /dev/loop-control");
        const int backing = ::open(image.c_str(), O_RDWR | O_CLOEXEC);
        std::string problem;
        for (int attempt = 0; attempt < 20 && m_fd < 0; ++attempt) {
            const int number = ::ioctl(control, LOOP_CTL_GET_FREE);
            if (number < 0) {
                problem = Reason("LOOP_CTL_GET_FREE");
                break;
            }
            m_name = "loop" + std::to_string(number);
            const int fd = ::open(("/dev/" + m_name).c_str(), O_RDWR | O_CLOEXEC);
            if (fd < 0) {
                problem = Reason("open /dev/" + m_name);
                break;
            }
            loop_config config{};
            config.fd = static_cast<unsigned>(backing);
            config.info.lo_flags = LO_FLAGS_AUTOCLEAR;
            if (::ioctl(fd, LOOP_CONFIGURE, &config) == 0) {
                m_fd = fd;
            } else {
                problem = Reason("LOOP_CONFIGURE /dev/" + m_name);
                ::close(fd);
                if (errno != EBUSY)
                    break;  // another process took it first: try the next
            }
        }
        ::close(backing);
        ::close(control);
        return m_fd >= 0 ? std::string() : problem;
    }
    ~LoopDevice() {
        if (m_fd < 0)
            return;
        ::ioctl(m_fd, LOOP_CLR_FD, 0);
        ::close(m_fd);
    }
    const std::string& name() const { return m_name; }

private:
    int m_fd = -1;
    std::string m_name;
};

// Compares what the system's backend lists with what is mounted; returns the differences.
std::string CheckScan(const std::string& root, bool mounted) {
    const std::shared_ptr<VolumeSource> source = CreateSystemVolumeSource();
    auto listed = source->ListRemovableDrives();
    if (!listed)
        return "scan failed: " + listed.message() + "\n";
    const std::vector<ProbedDrive> probed = ProbeDrives(source, std::move(*listed));
    const auto rows = DescribeDrives(probed);
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const DeviceRow& r) { return r.root == root; });
    if (!mounted) {
        return row == rows.end() ? "" : "still listed after unmounting: " + root + "\n";
    }
    if (row == rows.end())
        return "not listed: " + root + "\n";
    const DriveInfo& drive = row->drive;
    struct statvfs st;
    if (::statvfs(root.c_str(), &st) != 0)
        return Reason("statvfs " + root) + "\n";
    const std::uint64_t total = std::uint64_t(st.f_blocks) * st.f_frsize;
    const std::uint64_t free = std::uint64_t(st.f_bfree) * st.f_frsize;
    std::ostringstream problems;
    const auto expect = [&](const char* what, const auto& seen, const auto& wanted) {
        if (!(seen == wanted))
            problems << what << ": " << seen << ", wanted " << wanted << "\n";
    };
    expect("label", drive.label, std::string("CAM CARD"));
    expect("space known", drive.spaceKnown, true);
    expect("total bytes", drive.totalBytes, total);
    expect("free bytes", drive.freeBytes, free);
    expect("space text", row->space, SpaceText(total, free));
    expect("version", row->version, std::string("CAM V2.1\r\nbuild 7"));
    return problems.str();
}

// Runs in a forked child: everything it mounts dies with its private namespace. Returns
// "SKIP reason" when the sandbox forbids a step, else the differences found (empty when none).
std::string MountAndScan(const fs::path& dir, const std::string& loop) {
    if (::unshare(CLONE_NEWNS) != 0)
        return "SKIP " + Reason("unshare(CLONE_NEWNS)");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return "SKIP " + Reason("making / private");
    }
    const fs::path flag = dir / "removable";
    std::ofstream(flag) << "1\n";
    const std::string attribute = "/sys/block/" + loop + "/removable";
    if (::mount(flag.c_str(), attribute.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        return "SKIP " + Reason("bind mount over " + attribute);
    }
    const fs::path mountPoint = dir / "card";
    fs::create_directory(mountPoint);
    const std::string device = "/dev/" + loop;
    if (::mount(device.c_str(), mountPoint.c_str(), "ext2", 0, nullptr) != 0) {
        return Reason("mount " + device);
    }
    const std::string root = mountPoint.string() + "/";
    std::string problems = CheckScan(root, true);
    if (::umount(mountPoint.c_str()) != 0)
        return problems + Reason("umount");
    return problems + CheckScan(root, false);
}

TEST(RealMount, ListsAMountedImageOnARemovableLoopDeviceUntilItIsUnmounted) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to attach a loop device and mount it";
    const std::string mke2fs = FindProgram("mke2fs");
    if (mke2fs.empty())
        GTEST_SKIP() << "mke2fs (e2fsprogs) is not installed";

    TempDir dir;
    const fs::path content = dir.path() / "content";
    fs::create_directory(content);
    std::ofstream(content / "version.txt", std::ios::binary) << "CAM V2.1\r\nbuild 7";
    const fs::path image = dir.path() / "card.img";
    ASSERT_EQ(RunProgram({mke2fs, "-q", "-F", "-t", "ext2", "-L", "CAM CARD", "-d",
                          content.string(), image.string(), "4M"}),
              0)
        << "mke2fs failed";

    LoopDevice loop;
    if (const std::string problem = loop.Attach(image); !problem.empty()) {
        GTEST_SKIP() << "no loop device: " << problem;
    }

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        const std::string report = MountAndScan(dir.path(), loop.name());
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;

    if (report.starts_with("SKIP "))
        GTEST_SKIP() << report.substr(5);
    EXPECT_EQ(report, "");
}

}  // namespace
}  // namespace marlix

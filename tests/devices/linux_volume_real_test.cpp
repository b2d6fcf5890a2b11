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

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "devices/device_rows.h"
#include "platform/volumes/volume_source.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "marlix-realmount-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
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

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out.empty() ? "-" : out;
}

std::string Unhex(const std::string& hex) {
    if (hex == "-")
        return {};
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return out;
}

struct Scanned {
    DriveInfo drive;
    DeviceRow row;
};

// What the child saw, line by line: "SKIP reason", "FAIL reason", "STAT total free",
// "SCAN n", then one "DRIVE root label known total free space version" line (hex fields) each.
std::string ScanLines(const char* tag) {
    std::ostringstream out;
    const auto drives = CreateSystemVolumeSource()->ListRemovableDrives();
    if (!drives)
        return std::string("FAIL ") + drives.message() + "\n";
    out << tag << " " << drives->size() << "\n";
    const auto rows = DescribeDrives(*drives);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DriveInfo& d = (*drives)[i];
        out << "DRIVE " << Hex(d.root) << " " << Hex(d.label) << " " << d.spaceKnown << " "
            << d.totalBytes << " " << d.freeBytes << " " << Hex(rows[i].space) << " "
            << Hex(rows[i].version) << "\n";
    }
    return out.str();
}

// Runs in a forked child: everything it mounts dies with its private namespace.
std::string MountAndScan(const fs::path& dir, const std::string& loop) {
    if (::unshare(CLONE_NEWNS) != 0)
        return "SKIP " + Reason("unshare(CLONE_NEWNS)") + "\n";
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return "SKIP " + Reason("making / private") + "\n";
    }
    const fs::path flag = dir / "removable";
    std::ofstream(flag) << "1\n";
    const std::string attribute = "/sys/block/" + loop + "/removable";
    if (::mount(flag.c_str(), attribute.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        return "SKIP " + Reason("bind mount over " + attribute) + "\n";
    }
    const fs::path mountPoint = dir / "card";
    fs::create_directory(mountPoint);
    const std::string device = "/dev/" + loop;
    if (::mount(device.c_str(), mountPoint.c_str(), "ext2", 0, nullptr) != 0) {
        return "FAIL " + Reason("mount " + device) + "\n";
    }
    std::string report;
    struct statvfs st;
    if (::statvfs(mountPoint.c_str(), &st) == 0) {
        report += "STAT " + std::to_string(std::uint64_t(st.f_blocks) * st.f_frsize) + " " +
                  std::to_string(std::uint64_t(st.f_bfree) * st.f_frsize) + "\n";
    }
    report += ScanLines("MOUNTED");
    if (::umount(mountPoint.c_str()) != 0)
        return report + "FAIL " + Reason("umount") + "\n";
    report += ScanLines("UNMOUNTED");
    return report;
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
    ASSERT_EQ(report.find("FAIL "), std::string::npos) << report;

    const std::string root = (dir.path() / "card").string() + "/";
    std::istringstream lines(report);
    std::string tag;
    std::uint64_t statTotal = 0, statFree = 0;
    std::map<std::string, std::vector<Scanned>> scans;
    std::string current;
    while (lines >> tag) {
        if (tag == "STAT") {
            lines >> statTotal >> statFree;
        } else if (tag == "DRIVE") {
            std::string rootHex, labelHex, spaceHex, versionHex;
            Scanned s;
            lines >> rootHex >> labelHex >> s.drive.spaceKnown >> s.drive.totalBytes >>
                s.drive.freeBytes >> spaceHex >> versionHex;
            s.drive.root = Unhex(rootHex);
            s.drive.label = Unhex(labelHex);
            s.row = {s.drive.root, s.drive.label, Unhex(spaceHex), Unhex(versionHex)};
            scans[current].push_back(s);
        } else {
            current = tag;
            scans[current];
            std::size_t count;
            lines >> count;
        }
    }
    ASSERT_TRUE(scans.contains("MOUNTED") && scans.contains("UNMOUNTED")) << report;
    ASSERT_GT(statTotal, 0u) << report;

    const auto find = [&](const std::string& scan) -> const Scanned* {
        for (const Scanned& s : scans[scan]) {
            if (s.drive.root == root)
                return &s;
        }
        return nullptr;
    };
    const Scanned* card = find("MOUNTED");
    ASSERT_NE(card, nullptr) << "not listed: " << root << "\n" << report;
    EXPECT_EQ(card->drive.label, "CAM CARD");
    EXPECT_TRUE(card->drive.spaceKnown);
    EXPECT_EQ(card->drive.totalBytes, statTotal);
    EXPECT_EQ(card->drive.freeBytes, statFree);
    EXPECT_EQ(card->row.space, SpaceText(statTotal, statFree));
    EXPECT_EQ(card->row.version, "CAM V2.1\r\nbuild 7");
    EXPECT_EQ(find("UNMOUNTED"), nullptr) << report;
}

}  // namespace
}  // namespace marlix

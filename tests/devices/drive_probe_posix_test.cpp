// A drive whose probe is stuck in the kernel (a hung card) keeps its child process for as long
// as the card hangs, and SIGKILL does not end it. The stand-in here: the probe leaves a
// grandchild behind that holds everything the child held and outlives the deadline's SIGKILL.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <string>

#include "core/devices/drive_probe.h"
#include "core/platform/volumes/linux/linux_volume_source.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/stalling_card.h"

namespace marlix {
namespace {

// Runs in the probe's child: counts the probes in a file, and while `hang` exists leaves a
// grandchild behind (its pid added to `stuck`) and then never answers.
class HangingSource final : public VolumeSource {
public:
    explicit HangingSource(std::filesystem::path dir) : m_dir(std::move(dir)) {}
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        return std::vector<DriveInfo>();
    }
    void ProbeDrive(DriveInfo& drive) override {
        std::ofstream(m_dir / "calls", std::ios::app) << "probe\n";
        if (std::filesystem::exists(m_dir / "hang")) {
            const pid_t stuck = ::fork();
            if (stuck == 0) {
                ::pause();
                ::_exit(0);
            }
            std::ofstream(m_dir / "stuck", std::ios::app) << stuck << "\n";
            ::pause();
        }
        drive.spaceKnown = true;
    }

private:
    std::filesystem::path m_dir;
};

TEST(DriveProbe, AStuckProbeIsNotForkedAgainUntilItEnds) {
    test_support::ScratchDir dir;
    test_support::WriteTestFile(dir.path() / "hang", "");
    auto source = std::make_shared<HangingSource>(dir.path());
    DriveInfo drive{dir.path().string() + "/card/", "STUCK", false, 0, 0};
    drive.listing.source = "/dev/fuse-test";
    const auto probe = [&] {
        return ProbeDrives(source, {drive}, std::chrono::milliseconds(700)).front();
    };
    const auto probes = [&] {
        std::ifstream calls(dir.path() / "calls");
        int count = 0;
        for (std::string line; std::getline(calls, line);) ++count;
        return count;
    };

    // Ends every stand-in, the ones a faulty scan would pile up included.
    const auto endStuck = [&] {
        std::ifstream pids(dir.path() / "stuck");
        for (pid_t pid; pids >> pid;) ::kill(pid, SIGKILL);
    };
    struct AtEnd {
        std::function<void()> run;
        ~AtEnd() { run(); }
    } atEnd{endStuck};

    EXPECT_FALSE(probe().answered);
    ASSERT_EQ(probes(), 1);
    for (int scan = 0; scan < 3; ++scan) EXPECT_FALSE(probe().answered);
    EXPECT_EQ(probes(), 1) << "a probe was forked while the earlier one was still stuck";

    // The card comes back: the stuck probe ends, and the next scan asks the drive again.
    std::filesystem::remove(dir.path() / "hang");
    endStuck();
    EXPECT_TRUE(probe().answered);
    EXPECT_EQ(probes(), 2);
}

// Asks the card for its size, as the system's volume source does.
class StatSource final : public VolumeSource {
public:
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        return std::vector<DriveInfo>();
    }
    void ProbeDrive(DriveInfo& drive) override {
        drive.spaceKnown = StatVolume(drive.root).has_value();
    }
};

// This process's children that the kernel holds in an uninterruptible wait.
int childrenStuckInTheKernel() {
    int stuck = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream children(task.path() / "children");
        for (pid_t pid; children >> pid;) {
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string line;
            std::getline(stat, line);
            const auto close = line.rfind(')');
            if (close != std::string::npos && line.substr(close + 2, 1) == "D")
                ++stuck;
        }
    }
    return stuck;
}

TEST(DriveProbe, AHungCardKeepsOneProbeHoweverOftenItIsScanned) {
    test_support::ScratchDir dir;
    std::filesystem::create_directory(dir.path() / "card");
    test_support::StallingCard card(dir.path() / "card", test_support::StallingCard::Stall::Statfs);
    if (!card.Mounted())
        GTEST_SKIP() << "needs root and /dev/fuse to mount a card that hangs";
    auto source = std::make_shared<StatSource>();
    DriveInfo drive{(dir.path() / "card").string() + "/", "HUNG", false, 0, 0};
    drive.listing.source = "marlix-stall";
    for (int scan = 0; scan < 4; ++scan)
        EXPECT_FALSE(ProbeDrives(source, {drive}, std::chrono::milliseconds(500)).front().answered);
    EXPECT_EQ(childrenStuckInTheKernel(), 1);
}

}  // namespace
}  // namespace marlix

#include "core/devices/device_list.h"

#include "core/devices/device_events.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
#include <thread>

namespace marlix {
namespace {

std::vector<DeviceRow> Rows(std::initializer_list<const char*> roots) {
    std::vector<DeviceRow> rows;
    for (const char* root : roots) rows.push_back({root, "", "", "", DriveState::Answered, {}});
    return rows;
}

void ExpectTarget(const DeviceList& list, const std::string& root, int row) {
    EXPECT_EQ(list.targetRoot(), root);
    EXPECT_EQ(list.selectedRow(), row);
}

TEST(DeviceList, StartsEmptyWithoutTarget) {
    DeviceList list;
    ExpectTarget(list, "", -1);
    list.Apply({});
    ExpectTarget(list, "", -1);
}

TEST(DeviceList, FirstRowIsTheTargetUntilTheUserChooses) {
    DeviceList list;
    list.Apply(Rows({"/media/E/", "/media/G/"}));
    ExpectTarget(list, "/media/E/", 0);
    EXPECT_EQ(list.roots(), (std::vector<std::string>{"/media/E/", "/media/G/"}));
    // Nothing chosen yet: a card sorting first takes over row 0 and the target.
    list.Apply(Rows({"/media/A/", "/media/E/", "/media/G/"}));
    ExpectTarget(list, "/media/A/", 0);
}

TEST(DeviceList, ChosenDriveStaysTheTargetWhileListed) {
    DeviceList list;
    list.Apply(Rows({"/media/E/", "/media/G/"}));
    ASSERT_TRUE(list.Choose(1));
    ExpectTarget(list, "/media/G/", 1);
    list.Apply(Rows({"/media/E/", "/media/G/"}));
    ExpectTarget(list, "/media/G/", 1);
    list.Apply(Rows({"/media/A/", "/media/E/", "/media/G/"}));
    ExpectTarget(list, "/media/G/", 2);
}

TEST(DeviceList, RowZeroTakesOverWhenTheChosenDriveIsGone) {
    DeviceList list;
    list.Apply(Rows({"/media/E/", "/media/G/"}));
    ASSERT_TRUE(list.Choose(1));
    list.Apply(Rows({"/media/E/", "/media/H/"}));
    ExpectTarget(list, "/media/E/", 0);
    // The old choice is forgotten: its return does not move the target behind the user's back.
    list.Apply(Rows({"/media/A/", "/media/E/", "/media/G/"}));
    ExpectTarget(list, "/media/A/", 0);
}

TEST(DeviceList, ScanWithoutDrivesEmptiesTheListAndClearsTheTarget) {
    DeviceList list;
    list.Apply(Rows({"/media/E/"}));
    ASSERT_TRUE(list.Choose(0));
    list.Apply({});
    EXPECT_TRUE(list.rows().empty());
    ExpectTarget(list, "", -1);
    list.Apply(Rows({"/media/G/"}));
    ExpectTarget(list, "/media/G/", 0);
}

TEST(DeviceList, ChoosingARowThatIsNotThereChangesNothing) {
    DeviceList list;
    list.Apply(Rows({"/media/E/", "/media/G/"}));
    EXPECT_FALSE(list.Choose(2));
    EXPECT_FALSE(list.Choose(-1));
    ExpectTarget(list, "/media/E/", 0);
}

class ScriptedSource final : public VolumeSource {
public:
    Result<std::vector<DriveInfo>> ListRemovableDrives() override { return next; }
    // Tells the size the listing left out; a root in `hangs` never answers at all, as a card
    // whose file system has stopped answering.
    void ProbeDrive(DriveInfo& drive) override {
        if (hangs.count(drive.root)) {
            for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
        }
        drive.spaceKnown = true;
        drive.totalBytes = 1ull << 30;
        drive.freeBytes = 1ull << 29;
    }
    Result<std::vector<DriveInfo>> next = std::vector<DriveInfo>();
    std::set<std::string> hangs;
};

TEST(DeviceList, RescanDescribesTheDrivesAndAFailedScanChangesNothing) {
    auto source = std::make_shared<ScriptedSource>();
    const DriveInfo e{"/nonexistent/E/", "CAM", false, 0, 0};
    const DriveInfo g{"/nonexistent/G/", "", false, 0, 0};
    source->next = std::vector<DriveInfo>{e, g};
    DeviceList list;
    ASSERT_TRUE(list.Rescan(source).ok());
    ASSERT_TRUE(list.Choose(1));
    DriveInfo probedE = e, probedG = g;
    for (DriveInfo* d : {&probedE, &probedG}) source->ProbeDrive(*d);
    const std::vector<DeviceRow> expected = {
        {e.root, "CAM", "512 MB/1024 MB(0 G/1 G)", "No infomation", DriveState::Answered, probedE},
        {g.root, "", "512 MB/1024 MB(0 G/1 G)", "No infomation", DriveState::Answered, probedG},
    };
    EXPECT_EQ(list.rows(), expected);

    source->next = Status::failure("Cannot read the mount table \"/proc/self/mountinfo\": EIO");
    const Status failed = list.Rescan(source);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.message(), "Cannot read the mount table \"/proc/self/mountinfo\": EIO");
    EXPECT_EQ(list.rows(), expected);
    ExpectTarget(list, "/nonexistent/G/", 1);
}

TEST(DeviceList, ADriveThatNeverAnswersIsMarkedAndTheOthersListedInTime) {
    auto source = std::make_shared<ScriptedSource>();
    source->next = std::vector<DriveInfo>{{"/nonexistent/A/", "A", false, 0, 0},
                                          {"/nonexistent/B/", "STUCK", false, 0, 0},
                                          {"/nonexistent/C/", "C", false, 0, 0}};
    source->hangs = {"/nonexistent/B/"};
    DeviceList list;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(list.Rescan(source, std::chrono::milliseconds(300)).ok());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    ASSERT_EQ(list.rows().size(), 3u);
    for (const std::size_t i : {0u, 2u}) {
        EXPECT_EQ(list.rows()[i].state, DriveState::Answered) << i;
        EXPECT_EQ(list.rows()[i].space, "512 MB/1024 MB(0 G/1 G)") << i;
    }
    const DeviceRow& stuck = list.rows()[1];
    EXPECT_EQ(stuck.state, DriveState::NotAnswering);
    EXPECT_EQ(stuck.label, "STUCK");
    EXPECT_EQ(stuck.space, "Not answering");

    // The next listing keeps what was known of each drive until it is probed again.
    list.ApplyListing(*source->next);
    EXPECT_EQ(list.rows()[0].space, "512 MB/1024 MB(0 G/1 G)");
    EXPECT_EQ(list.rows()[1].space, "Not answering");
    list.ApplyListing({{"/nonexistent/D/", "D", false, 0, 0}});
    EXPECT_EQ(list.rows()[0].state, DriveState::Probing);
    EXPECT_EQ(list.rows()[0].space, "Reading...");
}

TEST(DeviceList, UnmountedCardsFollowTheDrivesAndAreNeverTheTarget) {
    DeviceList list;
    list.ApplyUnmounted({{"/dev/sdc1", "CAM", 0x821}, {"/dev/sdd1", "", 0x831}});
    ExpectTarget(list, "", -1);
    ASSERT_EQ(list.rows().size(), 2u);
    EXPECT_EQ(list.rows()[0], DescribeUnmountedCard({"/dev/sdc1", "CAM", 0x821}));
    EXPECT_EQ(list.rows()[0].space, "Not mounted");
    EXPECT_FALSE(list.Choose(0));

    // Mounted meanwhile: its drive's row stands for it, once.
    std::vector<DeviceRow> mounted = Rows({"/media/CAM/"});
    mounted[0].drive.listing.blockDevice = 0x821;
    list.Apply(mounted);
    ExpectTarget(list, "/media/CAM/", 0);
    ASSERT_EQ(list.rows().size(), 2u);
    EXPECT_EQ(list.rows()[1].root, "/dev/sdd1");
    EXPECT_EQ(list.roots(), std::vector<std::string>{"/media/CAM/"});
    EXPECT_FALSE(list.Choose(1));
    list.ApplyUnmounted({});
    EXPECT_EQ(list.rows(), mounted);
}

TEST(DeviceList, TheProbeReadsTheCardsCameraConfAndAWriteReplacesIt) {
    test_support::ScratchDir card;
    const std::string root = card.path().string() + "/";
    test_support::WriteTestFile(card.path() / "camera.conf", "enable_cfg=true\r\n");
    auto source = std::make_shared<ScriptedSource>();
    source->next = std::vector<DriveInfo>{{root, "CAM", false, 0, 0}};
    DeviceList list;
    ASSERT_TRUE(list.Rescan(source).ok());
    EXPECT_EQ(list.rows()[0].conf, (CardConf{CardConfKind::Read, "enable_cfg=true\r\n"}));
    list.NoteWritten(root, "new");
    EXPECT_EQ(list.rows()[0].conf, (CardConf{CardConfKind::Read, "new"}));
}

TEST(DeviceEvents, OnlyArrivalAndCompletedRemovalRescan) {
    const struct {
        unsigned code;
        bool rescan;
    } cases[] = {
        {0x8000, true},   // arrival
        {0x8004, true},   // removal complete
        {0x8001, false},  // query remove
        {0x8002, false},  // query remove failed
        {0x8003, false},  // remove pending
        {0x0007, false},  // device nodes changed
    };
    for (const auto& c : cases) EXPECT_EQ(ShouldRescanDrives(c.code), c.rescan) << c.code;
}

}  // namespace
}  // namespace marlix

#include "devices/device_list.h"

#include "devices/device_events.h"

#include <gtest/gtest.h>

namespace marlix {
namespace {

std::vector<DeviceRow> Rows(std::initializer_list<const char*> roots) {
    std::vector<DeviceRow> rows;
    for (const char* root : roots) rows.push_back({root, "", "", ""});
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
    Result<std::vector<DriveInfo>> next = std::vector<DriveInfo>();
};

TEST(DeviceList, RescanDescribesTheDrivesAndAFailedScanChangesNothing) {
    ScriptedSource source;
    source.next = std::vector<DriveInfo>{{"/nonexistent/E/", "CAM", true, 1ull << 30, 1ull << 29},
                                         {"/nonexistent/G/", "", false, 0, 0}};
    DeviceList list;
    ASSERT_TRUE(list.Rescan(source).ok());
    ASSERT_TRUE(list.Choose(1));
    const std::vector<DeviceRow> expected = {
        {"/nonexistent/E/", "CAM", "512 MB/1024 MB(0 G/1 G)", "No infomation"},
        {"/nonexistent/G/", "", "0 MB/0 MB(0 G/0 G)", "No infomation"},
    };
    EXPECT_EQ(list.rows(), expected);

    source.next = Status::failure("Cannot read the mount table \"/proc/self/mountinfo\": EIO");
    const Status failed = list.Rescan(source);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.message(), "Cannot read the mount table \"/proc/self/mountinfo\": EIO");
    EXPECT_EQ(list.rows(), expected);
    ExpectTarget(list, "/nonexistent/G/", 1);
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

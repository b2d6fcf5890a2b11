#include "core/platform/volumes/linux/linux_volume_source.h"

#include <gtest/gtest.h>

#include <sys/sysmacros.h>
#include <unistd.h>
#include "tests/support/scratch_dir.h"

#include <map>

#include "sysfs_fixture.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(MARLIX_TEST_DATA) / "devices";

class TempDir : public test_support::ScratchDir {
public:
    TempDir() : ScratchDir("marlix-devices") {}
};

// udev's records of the fixture, and labels a probe of the device itself would find.
class FixtureProperties final : public fixture::FixtureUdevProperties {
public:
    using FixtureUdevProperties::FixtureUdevProperties;
    std::optional<std::string> ProbeLabel(DevNum device, const std::string&) override {
        const auto found = probed.find(device);
        if (found == probed.end())
            return std::nullopt;
        return found->second;
    }
    std::map<DevNum, std::string> probed;
};

class SampleMachine : public ::testing::Test {
protected:
    SampleMachine() : m_sysfs(m_dir.path() / "sys") {
        fixture::BuildSampleMachine(m_sysfs);
        fixture::WriteSampleUdevDatabase(m_dir.path() / "udev");
        m_properties = std::make_shared<FixtureProperties>(m_dir.path() / "udev");
        m_properties->probed[{7, 1}] = "IMG";
    }

    Result<std::vector<DriveInfo>> List(const std::string& mountInfo) {
        LinuxVolumeConfig config{
            kData / mountInfo, m_sysfs.root(), m_properties, [this](const std::string& mountPoint) {
                statted.push_back(mountPoint);
                const auto found = spaces.find(mountPoint);
                return found == spaces.end() ? std::optional<VolumeSpace>()
                                             : std::optional<VolumeSpace>(found->second);
            }};
        LinuxVolumeSource source(config);
        auto drives = source.ListRemovableDrives();
        // What the rows show, once probed; the fixture roots hold no files, so there is no
        // device number to learn, and what the listing keeps for itself is left out.
        if (!drives)
            return drives;
        for (DriveInfo& drive : *drives) {
            source.ProbeDrive(drive);
            drive.listing = {};
        }
        return drives;
    }

    TempDir m_dir;
    fixture::SysfsTree m_sysfs;
    std::shared_ptr<FixtureProperties> m_properties;
    std::map<std::string, VolumeSpace> spaces;
    std::vector<std::string> statted;
};

std::vector<std::string> Roots(const std::vector<DriveInfo>& drives) {
    std::vector<std::string> roots;
    for (const DriveInfo& drive : drives) roots.push_back(drive.root);
    return roots;
}

TEST_F(SampleMachine, ListsExactlyTheRemovableVolumesInRootOrder) {
    spaces["/media/user/CAM CARD"] = {31914983424, 31902400512};
    spaces["/run/media/user/READER"] = {1 << 30, 1 << 20};
    spaces["/mnt/card"] = {1, 1};
    const auto drives = List("machine.mountinfo");
    ASSERT_TRUE(drives.ok()) << drives.message();
    const std::vector<DriveInfo> expected = {
        {"/media/user/CAM CARD/", "CAM CARD", true, 31914983424, 31902400512},
        {"/media/user/NTFS/", "NTFS", false, 0, 0},
        {"/media/user/SDCARD/", "\xc3\x89t\xc3\xa9", false, 0, 0},
        {"/mnt/image/", "IMG", false, 0, 0},
        {"/run/media/user/READER/", "Cam\xc3\xa9ra", true, 1 << 30, 1 << 20},
    };
    EXPECT_EQ(*drives, expected);
    // Space is asked of the mount point that is shown, never of the other mount of a device.
    EXPECT_EQ(std::count(statted.begin(), statted.end(), "/mnt/card"), 0);
}

// Why each mounted volume of the sample machine is or is not a row.
TEST_F(SampleMachine, EachVolumeIsJudgedOnItsOwnDisk) {
    const auto drives = List("machine.mountinfo");
    ASSERT_TRUE(drives.ok()) << drives.message();
    const auto roots = Roots(*drives);
    const struct {
        const char* root;
        bool listed;
        const char* why;
    } cases[] = {
        {"/media/user/CAM CARD/", true, "USB stick whose removable attribute is 0"},
        {"/media/user/SDCARD/", true, "SD card in a built-in reader"},
        {"/media/user/EMMC/", false, "eMMC, even with removable set"},
        {"/home/", false, "system disk, even on USB"},
        {"/media/user/DATA/", false, "other partition of the disk that holds /home"},
        {"/media/user/LVMDISK/", false, "disk beneath the device-mapper volume of /var"},
        {"/", false, "root file system"},
        {"/boot/efi/", false, "EFI partition"},
        {"/snap/core22/1033/", false, "snap image on a loop device marked removable"},
        {"/mnt/image/", true, "loop device marked removable"},
        {"/mnt/other/", false, "loop device not marked removable"},
        {"/media/user/HIDDEN/", false, "UDISKS_IGNORE"},
        {"/media/user/SYSTEMFLAG/", false, "UDISKS_SYSTEM on the whole disk"},
        {"/media/user/BACKUP/", false, "fixed SATA disk"},
        {"/media/user/DVD/", false, "optical drive"},
        {"/media/user/PHOTOS/", false, "bind mount of a folder of a card"},
        {"/mnt/card/", false, "second mount of a card shown under /run/media"},
        {"/run/media/user/READER/", true, "card reader, whole-disk file system"},
        {"/media/user/NTFS/", true, "fuseblk volume found by its device name"},
        {"/media/user/RAMDISK/", false, "tmpfs"},
        {"/var/lib/docker/volumes/x/", false, "second mount of the USB stick"},
        {"/proc/", false, "pseudo file system"},
    };
    for (const auto& c : cases) {
        const bool listed = std::find(roots.begin(), roots.end(), c.root) != roots.end();
        EXPECT_EQ(listed, c.listed) << c.root << ": " << c.why;
    }
}

// A device that is not mounted is offered for mounting by the rules of the listing.
TEST_F(SampleMachine, AnUnmountedDeviceIsJudgedAsTheListingWouldJudgeIt) {
    LinuxVolumeSource source({kData / "machine.mountinfo", m_sysfs.root(), m_properties, {}});
    const struct {
        DevNum device;
        bool removable;
        const char* why;
    } cases[] = {
        {{8, 17}, true, "USB stick"},
        {{179, 1}, true, "SD card"},
        {{8, 34}, false, "partition of the disk that holds /home"},
        {{8, 49}, false, "UDISKS_IGNORE"},
        {{179, 9}, false, "eMMC"},
        {{8, 113}, false, "fixed SATA disk"},
        {{8, 250}, false, "no such device"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(source.IsRemovableDevice(::makedev(c.device.major, c.device.minor)), c.removable)
            << c.why;
    }
}

TEST_F(SampleMachine, VolumeMountedOverIsNotListedAtThatPlace) {
    const auto drives = List("overmount.mountinfo");
    ASSERT_TRUE(drives.ok()) << drives.message();
    ASSERT_EQ(drives->size(), 1u);
    EXPECT_EQ((*drives)[0].root, "/media/user/X/");
    EXPECT_EQ((*drives)[0].label, "Cam\xc3\xa9ra");  // the card reader's card, on top
}

TEST_F(SampleMachine, UnreadableMountTableIsAFailureNotAnEmptyList) {
    const auto drives = List("no-such.mountinfo");
    ASSERT_FALSE(drives.ok());
    EXPECT_NE(drives.message().find("no-such.mountinfo"), std::string::npos) << drives.message();
}

TEST(ReadMountTable, UnescapesPathsAndSkipsOptionalFields) {
    const auto table = ReadMountTable(kData / "escapes.mountinfo");
    ASSERT_TRUE(table.ok()) << table.message();
    ASSERT_EQ(table->size(), 4u);
    const auto& e = *table;
    EXPECT_EQ(e[0].device, (DevNum{98, 0}));
    EXPECT_EQ(e[0].root, "/mnt1");
    EXPECT_EQ(e[0].target, "/mnt/parent dir");
    EXPECT_EQ(e[0].fsType, "ext3");
    EXPECT_EQ(e[0].source, "/dev/root");
    EXPECT_EQ(e[1].target, "/media/a\ttab\\back");
    EXPECT_EQ(e[1].fsType, "vfat");
    EXPECT_EQ(e[1].source, "/dev/sdb1");
    EXPECT_EQ(e[2].device, (DevNum{0, 40}));
    EXPECT_EQ(e[2].source, "tmpfs");
    EXPECT_EQ(e[3].root, "/sub dir");
}

TEST(ParseMountInfoLine, RefusesWhatIsNoMountLineAndKeepsStrayBackslashes) {
    for (const char* line :
         {"", "36 35 98:0 / /mnt rw - ext3", "36 35 98:0 / /mnt rw ext3 /dev/a rw",
          "36 35 98 / /mnt rw - ext3 /dev/a rw", "36 35 98:0 / rw - ext3 /dev/a rw"})
        EXPECT_FALSE(ParseMountInfoLine(line)) << line;
    const auto entry = ParseMountInfoLine("1 2 8:1 / /media/a\\b\\04\\0401 rw - vfat /dev/sdb1 rw");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->target, "/media/a\\b\\04 1");
}

TEST(DecodeUdevEscapes, UndoesHexEscapesOnly) {
    const struct {
        const char* encoded;
        const char* decoded;
    } cases[] = {
        {"CAM\\x20CARD", "CAM CARD"}, {"\\xc3\\xa9", "\xc3\xa9"}, {"a\\x2Fb", "a/b"},
        {"bad\\xZZ", "bad\\xZZ"},     {"cut\\x4", "cut\\x4"},     {"back\\\\", "back\\\\"},
        {"a\\x3db=c", "a=b=c"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeUdevEscapes(c.encoded), c.decoded) << c.encoded;
}

TEST(ParseDevNum, AcceptsOnlyMajorColonMinor) {
    EXPECT_EQ(ParseDevNum("8:17\n"), (DevNum{8, 17}));
    EXPECT_EQ(ParseDevNum("259:0"), (DevNum{259, 0}));
    for (const char* bad : {"", "8", "8:", ":1", "8:1x", "-1:2", "a:b"}) {
        EXPECT_FALSE(ParseDevNum(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace marlix

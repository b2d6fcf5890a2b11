#include "core/platform/volumes/windows/windows_volume_source.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace marlix {
namespace {

struct FakeDrive {
    bool removable = true;
    std::optional<std::wstring> label;
    std::optional<WindowsVolumeApi::Space> space;
};

class FakeVolumeApi final : public WindowsVolumeApi {
public:
    FakeVolumeApi(std::vector<std::wstring> order, std::map<std::wstring, FakeDrive> drives)
        : m_order(std::move(order)), m_drives(std::move(drives)) {}

    Result<std::vector<std::wstring>> LogicalDriveRoots() override {
        if (m_failList)
            return Status::failure("Cannot list the drives: broken");
        return m_order;
    }
    bool IsRemovable(const std::wstring& root) override { return m_drives.at(root).removable; }
    std::optional<std::wstring> VolumeLabel(const std::wstring& root) override {
        m_asked.insert(root);
        return m_drives.at(root).label;
    }
    std::optional<Space> DiskSpace(const std::wstring& root) override {
        m_asked.insert(root);
        return m_drives.at(root).space;
    }

    bool m_failList = false;
    std::set<std::wstring> m_asked;

private:
    std::vector<std::wstring> m_order;
    std::map<std::wstring, FakeDrive> m_drives;
};

TEST(WindowsVolumeSource, KeepsRemovableDrivesInLetterOrderWithWhatCouldBeRead) {
    auto api = std::make_unique<FakeVolumeApi>(
        std::vector<std::wstring>{L"C:\\", L"D:\\", L"G:\\", L"E:\\", L"A:\\"},
        std::map<std::wstring, FakeDrive>{
            {L"C:\\", {false, L"System", WindowsVolumeApi::Space{500, 100}}},
            {L"D:\\", {false, L"DVD", std::nullopt}},
            // An empty card reader slot: neither label nor size.
            {L"G:\\", {true, std::nullopt, std::nullopt}},
            {L"E:\\",
             {true, L"CAM \u00FC\u65E5", WindowsVolumeApi::Space{31914983424ull, 31902400512ull}}},
            {L"A:\\", {true, L"", WindowsVolumeApi::Space{1474560, 0}}},
        });
    FakeVolumeApi& fake = *api;
    WindowsVolumeSource source(std::move(api));

    auto drives = source.ListRemovableDrives();
    ASSERT_TRUE(drives.ok()) << drives.message();
    for (DriveInfo& drive : *drives) source.ProbeDrive(drive);
    const std::vector<DriveInfo> expected = {
        {"A:\\", "", true, 1474560, 0, std::nullopt, {}},
        {"E:\\",
         "CAM \xC3\xBC\xE6\x97\xA5",
         true,
         31914983424ull,
         31902400512ull,
         std::nullopt,
         {}},
        {"G:\\", "", false, 0, 0, std::nullopt, {}},
    };
    EXPECT_EQ(*drives, expected);
    // Fixed disks and optical drives are never queried further.
    EXPECT_EQ(fake.m_asked, (std::set<std::wstring>{L"A:\\", L"E:\\", L"G:\\"}));
}

TEST(WindowsVolumeSource, UnreadableDriveListIsAFailure) {
    auto api = std::make_unique<FakeVolumeApi>(std::vector<std::wstring>{},
                                               std::map<std::wstring, FakeDrive>{});
    api->m_failList = true;
    WindowsVolumeSource source(std::move(api));
    auto drives = source.ListRemovableDrives();
    ASSERT_FALSE(drives.ok());
    EXPECT_NE(drives.message().find("drives"), std::string::npos);
}

TEST(Win32VolumeApi, AnswersForTheSystemDrivesAndAbsentLetters) {
    auto api = CreateWin32VolumeApi();
    auto roots = api->LogicalDriveRoots();
    ASSERT_TRUE(roots.ok()) << roots.message();
    ASSERT_FALSE(roots->empty());
    std::set<wchar_t> letters;
    for (const std::wstring& root : *roots) {
        ASSERT_EQ(root.size(), 3u);
        EXPECT_EQ(root.substr(1), L":\\");
        letters.insert(root[0]);
    }

    wchar_t systemDir[MAX_PATH];
    ASSERT_GT(::GetSystemDirectoryW(systemDir, MAX_PATH), 0u);
    const std::wstring systemRoot = {systemDir[0], L':', L'\\'};
    ASSERT_TRUE(letters.count(systemRoot[0]));
    EXPECT_FALSE(api->IsRemovable(systemRoot));
    EXPECT_TRUE(api->VolumeLabel(systemRoot).has_value());
    const auto space = api->DiskSpace(systemRoot);
    ASSERT_TRUE(space.has_value());
    EXPECT_GT(space->totalBytes, 0u);
    EXPECT_LE(space->freeBytes, space->totalBytes);

    // A letter with no drive behind it: the queries fail quietly, without a system dialog and
    // without changing the thread's error mode.
    wchar_t unused = L'Z';
    while (unused > L'D' && letters.count(unused)) --unused;
    ASSERT_FALSE(letters.count(unused));
    const std::wstring absent = {unused, L':', L'\\'};
    const DWORD modeBefore = ::GetThreadErrorMode();
    EXPECT_FALSE(api->IsRemovable(absent));
    EXPECT_FALSE(api->VolumeLabel(absent).has_value());
    EXPECT_FALSE(api->DiskSpace(absent).has_value());
    EXPECT_EQ(::GetThreadErrorMode(), modeBefore);
}

}  // namespace
}  // namespace marlix

#include "core/platform/volumes/windows/windows_volume_source.h"

#include <algorithm>

#include "core/platform/text_win32.h"
#include "core/platform/win32_error_mode.h"

namespace marlix {

namespace {

class Win32VolumeApi final : public WindowsVolumeApi {
public:
    Result<std::vector<std::wstring>> LogicalDriveRoots() override {
        QuietCriticalErrors quiet;
        std::vector<wchar_t> buffer;
        // A drive that appears between asking for the length and fetching the list makes the
        // list longer than the room; the fetch then reports the new length and is repeated.
        DWORD length = ::GetLogicalDriveStringsW(0, nullptr);
        for (int attempt = 0; attempt < 8 && length != 0; ++attempt) {
            buffer.assign(length + 4, L'\0');
            const DWORD got =
                ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size() - 1), buffer.data());
            if (got == 0)
                break;
            if (got < buffer.size())
                return splitRoots(buffer.data(), got);
            length = got;
        }
        return Status::failure("Cannot list the drives: " + WindowsErrorText(::GetLastError()));
    }

    bool IsRemovable(const std::wstring& root) override {
        QuietCriticalErrors quiet;
        return ::GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE;
    }

    std::optional<std::wstring> VolumeLabel(const std::wstring& root) override {
        QuietCriticalErrors quiet;
        wchar_t name[260] = {};
        if (!::GetVolumeInformationW(root.c_str(), name, static_cast<DWORD>(std::size(name)),
                                     nullptr, nullptr, nullptr, nullptr, 0)) {
            return std::nullopt;
        }
        name[std::size(name) - 1] = L'\0';
        return std::wstring(name);
    }

    std::optional<Space> DiskSpace(const std::wstring& root) override {
        QuietCriticalErrors quiet;
        ULARGE_INTEGER total, totalFree;
        if (!::GetDiskFreeSpaceExW(root.c_str(), nullptr, &total, &totalFree))
            return std::nullopt;
        return Space{total.QuadPart, totalFree.QuadPart};
    }

private:
    static std::vector<std::wstring> splitRoots(const wchar_t* list, DWORD length) {
        std::vector<std::wstring> roots;
        for (DWORD i = 0; i < length && list[i] != L'\0';) {
            std::wstring root(list + i);
            i += static_cast<DWORD>(root.size()) + 1;
            roots.push_back(std::move(root));
        }
        return roots;
    }
};

}  // namespace

std::unique_ptr<WindowsVolumeApi> CreateWin32VolumeApi() {
    return std::make_unique<Win32VolumeApi>();
}

WindowsVolumeSource::WindowsVolumeSource(std::unique_ptr<WindowsVolumeApi> api)
    : m_api(std::move(api)) {}

Result<std::vector<DriveInfo>> WindowsVolumeSource::ListRemovableDrives() {
    auto roots = m_api->LogicalDriveRoots();
    if (!roots)
        return roots.status();
    std::vector<DriveInfo> drives;
    for (const std::wstring& root : *roots) {
        if (!m_api->IsRemovable(root))
            continue;
        DriveInfo drive;
        drive.root = WideToUtf8(root);
        drives.push_back(std::move(drive));
    }
    // The system lists drive letters in ascending order; sorting keeps that promise whatever
    // it returns.
    std::stable_sort(drives.begin(), drives.end(),
                     [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
    return drives;
}

void WindowsVolumeSource::ProbeDrive(DriveInfo& drive) {
    const std::wstring root = Utf8ToWide(drive.root);
    // An empty card-reader slot is listed all the same, with no label and no size.
    drive.label = WideToUtf8(m_api->VolumeLabel(root).value_or(L""));
    if (const auto space = m_api->DiskSpace(root)) {
        drive.spaceKnown = true;
        drive.totalBytes = space->totalBytes;
        drive.freeBytes = space->freeBytes;
    }
}

std::unique_ptr<VolumeSource> CreateWindowsVolumeSource() {
    return std::make_unique<WindowsVolumeSource>(CreateWin32VolumeApi());
}

}  // namespace marlix

// The lock on Windows is a named mutex whose name is derived from the folder's final path: every
// marlix process of the user's session that works on that folder waits for the same mutex. (A mutex
// of the global namespace would reach other sessions too, but creating one needs a privilege that
// ordinary users lack.)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/files/file_io.h"
#include "core/platform/files/file_lock.h"
#include "core/platform/text.h"
#include "core/platform/text_win32.h"

namespace marlix {

namespace {

// The folder's path as the system resolves it (junctions, short names and case settled), so that
// two spellings of one folder take one lock; the path as given when that cannot be found out.
std::wstring finalFolderPath(const std::filesystem::path& dir) {
    std::wstring path = dir.native();
    const HANDLE folder = ::CreateFileW(
        dir.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder != INVALID_HANDLE_VALUE) {
        std::vector<wchar_t> buffer(MAX_PATH);
        DWORD n = ::GetFinalPathNameByHandleW(folder, buffer.data(),
                                              static_cast<DWORD>(buffer.size()), 0);
        if (n >= buffer.size()) {
            buffer.resize(n + 1);
            n = ::GetFinalPathNameByHandleW(folder, buffer.data(),
                                            static_cast<DWORD>(buffer.size()), 0);
        }
        if (n > 0 && n < buffer.size())
            path.assign(buffer.data(), n);
        ::CloseHandle(folder);
    } else {
        wchar_t full[MAX_PATH];
        const DWORD n = ::GetFullPathNameW(dir.c_str(), MAX_PATH, full, nullptr);
        if (n > 0 && n < MAX_PATH)
            path.assign(full, n);
    }
    // File names compare without regard to case.
    if (!path.empty()) {
        ::CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    }
    return path;
}

}  // namespace

Result<FileLock> FileLock::Take(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    const std::filesystem::path target = ResolveLinks(file);
    const std::filesystem::path dir =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(L".");

    // Mutex names cannot hold backslashes and are limited in length: a hash of the path names it.
    std::uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
    for (const wchar_t c : finalFolderPath(dir)) {
        hash = (hash ^ static_cast<std::uint16_t>(c)) * 0x100000001b3ull;
    }
    std::wstring name = L"Local\\marlix-folder-lock-";
    for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xF];

    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return Status::failure("Cannot lock \"" + PathToUtf8(file) +
                               "\": " + WindowsErrorText(::GetLastError()));
    }
    // An abandoned mutex (its holder ended without releasing it) is ours all the same.
    const DWORD waited = ::WaitForSingleObject(mutex, static_cast<DWORD>(wait.count()));
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(mutex);
        if (waited == WAIT_TIMEOUT)
            return BusyFailure(file, wait);
        return Status::failure("Cannot lock \"" + PathToUtf8(file) +
                               "\": " + WindowsErrorText(error));
    }
    return FileLock(reinterpret_cast<std::intptr_t>(mutex));
}

void FileLock::release(std::intptr_t held) {
    // A mutex belongs to the thread that took it; the lock lives in one scope of one thread.
    if (held != kNothingHeld) {
        const auto mutex = reinterpret_cast<HANDLE>(held);
        ::ReleaseMutex(mutex);
        ::CloseHandle(mutex);
    }
}

}  // namespace marlix

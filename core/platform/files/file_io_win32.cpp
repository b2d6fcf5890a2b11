// The Windows side of the safe file access: wide paths throughout (profile names and folders need
// not be ASCII), the replace done by MoveFileExW so that the target is swapped in one step, and
// links handled as reparse points.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/platform/files/atomic_write_steps.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"
#include "core/platform/text_win32.h"
#include "core/platform/win32_error_mode.h"

namespace marlix {

namespace fs = std::filesystem;

namespace {

std::string failureText(const char* what, const fs::path& path, const std::string& reason) {
    return std::string(what) + " \"" + PathToUtf8(path) + "\": " + reason;
}

std::string failureText(const char* what, const fs::path& path, DWORD error) {
    return failureText(what, path, WindowsErrorText(error));
}

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle) {
        close();
        m_handle = handle;
    }
    HANDLE get() const { return m_handle; }
    bool close() {
        if (!valid())
            return true;
        const bool ok = ::CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool isAbsence(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isDirectory(const fs::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads until end of file or maxBytes; returns the error code on failure, 0 on success.
DWORD readAll(HANDLE file, std::string& out, std::size_t maxBytes) {
    char buffer[65536];
    while (out.size() < maxBytes) {
        const DWORD want = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - out.size()));
        DWORD got = 0;
        if (!::ReadFile(file, buffer, want, &got, nullptr)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE)
                break;
            return error;
        }
        if (got == 0)
            break;
        out.append(buffer, got);
    }
    return 0;
}

// The layout of a symbolic link's reparse data (the public REPARSE_DATA_BUFFER lives in the
// driver headers, so the part needed here is spelled out).
struct SymlinkReparseData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteNameOffset;
    USHORT substituteNameLength;
    USHORT printNameOffset;
    USHORT printNameLength;
    ULONG flags;
    // followed by the path buffer
};

// Where the symbolic link at path points, or nullopt when path is no symbolic link (a missing
// file, a regular file, or a reparse point of another kind, which is written in place).
std::optional<fs::path> symlinkTarget(const fs::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return std::nullopt;
    }
    Handle link(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!link.valid())
        return std::nullopt;
    std::vector<unsigned char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD got = 0;
    if (!::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                           static_cast<DWORD>(data.size()), &got, nullptr) ||
        got < sizeof(SymlinkReparseData)) {
        return std::nullopt;
    }
    SymlinkReparseData header;
    std::memcpy(&header, data.data(), sizeof header);
    if (header.tag != IO_REPARSE_TAG_SYMLINK)
        return std::nullopt;

    auto name = [&](USHORT offset, USHORT length) -> std::optional<std::wstring> {
        const std::size_t begin = sizeof header + offset;
        if (length == 0 || begin + length > got)
            return std::nullopt;
        std::wstring text(length / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data() + begin, text.size() * sizeof(wchar_t));
        return text;
    };
    std::optional<std::wstring> text = name(header.printNameOffset, header.printNameLength);
    if (!text) {
        text = name(header.substituteNameOffset, header.substituteNameLength);
        if (!text)
            return std::nullopt;
        // The substitute name is in the object manager's namespace ("\??\C:\...").
        if (text->starts_with(L"\\??\\"))
            text->erase(0, 4);
    }
    fs::path target(*text);
    if (header.flags & SYMLINK_FLAG_RELATIVE)
        target = path.parent_path() / target;
    return target;
}

constexpr std::string_view kNotRegular = "not a regular file";

// Whether the existing thing at `target` may be replaced by a regular file: only a regular file
// may, or a link that is itself being replaced. A read-only file is refused rather than waited
// for, and a device name (CON, NUL, ...) or a pipe is never ours to swap out.
Status checkReplaceable(const fs::path& requested, const fs::path& target, DWORD attributes,
                        bool followSymlink) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // Still a link after following: a loop, or a chain longer than is followed.
        if (followSymlink && symlinkTarget(target))
            return Status::failure(
                failureText("Cannot write", requested, ERROR_CANT_RESOLVE_FILENAME));
        return Status::success();
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Status::failure(failureText("Cannot write", requested, "Is a directory"),
                               ErrorCode::NotRegularFile);
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Status::failure(failureText("Cannot write", requested, ERROR_ACCESS_DENIED));
    Handle file(::CreateFileW(target.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (file.valid() && ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return Status::failure(failureText("Cannot write", requested, std::string(kNotRegular)),
                               ErrorCode::NotRegularFile);
    return Status::success();
}

constexpr std::wstring_view kTemporaryChars = L"0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kTemporaryRandomChars = 6;

// A name for the temporary file that no other writer picks at the same moment.
std::wstring temporaryName(const fs::path& target, unsigned attempt) {
    LARGE_INTEGER ticks;
    ::QueryPerformanceCounter(&ticks);
    const std::uint64_t mix = static_cast<std::uint64_t>(ticks.QuadPart) * 0x9E3779B97F4A7C15ull ^
                              (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 20) ^ attempt;
    wchar_t suffix[kTemporaryRandomChars];
    std::uint64_t rest = mix;
    for (wchar_t& c : suffix) {
        c = kTemporaryChars[rest % kTemporaryChars.size()];
        rest /= kTemporaryChars.size();
    }
    std::wstring name = L"." + target.filename().native() + L".";
    // A name too long for the prefix and suffix gets a short fixed one instead.
    if (name.size() + std::size(suffix) > 255)
        name = L".marlix.";
    return name + std::wstring(suffix, std::size(suffix));
}

// Best effort: what cannot be listed or removed (a file another writer holds open) is left.
void removeStaleTemporaries(const fs::path& dir, const fs::path& target) {
    const std::wstring prefix = L"." + target.filename().native() + L".";
    WIN32_FIND_DATAW found;
    const HANDLE search =
        ::FindFirstFileExW((dir / (prefix + std::wstring(kTemporaryRandomChars, L'?'))).c_str(),
                           FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring_view name = found.cFileName;
        // "?" also matches nothing at the end, a match may be by the short name, and a link or a
        // folder is not one of ours.
        if (name.size() != prefix.size() + kTemporaryRandomChars ||
            ::CompareStringOrdinal(name.data(), static_cast<int>(prefix.size()), prefix.data(),
                                   static_cast<int>(prefix.size()), TRUE) != CSTR_EQUAL ||
            name.substr(prefix.size()).find_first_not_of(kTemporaryChars) !=
                std::wstring_view::npos ||
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            continue;
        }
        ::DeleteFileW((dir / found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// A reader or a virus scanner that holds the target open without delete sharing makes the
// replace fail for a moment; a short wait usually outlasts it.
bool transient(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

}  // namespace

fs::path ResolveLinks(const fs::path& path) {
    fs::path current = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::optional<fs::path> next = symlinkTarget(current);
        if (!next)
            return current;
        current = std::move(*next);
    }
    return current;
}

Result<FileKind> ProbeFile(const fs::path& path) {
    QuietCriticalErrors quiet;
    // Opened without FILE_FLAG_OPEN_REPARSE_POINT so that a dangling link reads as missing.
    Handle file(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (isAbsence(error))
            return FileKind::Missing;
        if (error == ERROR_SHARING_VIOLATION)
            return FileKind::Regular;
        return Status::failure(failureText("Cannot access", path, error));
    }
    switch (::GetFileType(file.get())) {
        case FILE_TYPE_PIPE:
            return FileKind::Fifo;
        case FILE_TYPE_CHAR:
            return FileKind::CharacterDevice;
        case FILE_TYPE_DISK:
            return isDirectory(path) ? FileKind::Directory : FileKind::Regular;
        default:
            return FileKind::Other;
    }
}

Result<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    QuietCriticalErrors quiet;
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_ACCESS_DENIED && isDirectory(path)) {
            return Status::failure(failureText("Cannot read", path, "Is a directory"),
                                   ErrorCode::NotRegularFile);
        }
        return Status::failure(failureText("Cannot read", path, error),
                               isAbsence(error) ? ErrorCode::NotFound : ErrorCode::Io);
    }
    // A device name or a pipe would never end or would block.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        return Status::failure(failureText("Cannot read", path, std::string(kNotRegular)),
                               ErrorCode::NotRegularFile);
    }
    std::string out;
    if (const DWORD error = readAll(file.get(), out, maxBytes + 1)) {
        return Status::failure(failureText("Cannot read", path, error));
    }
    if (out.size() > maxBytes)
        return file_io_detail::TooLargeFailure(path, maxBytes);
    return out;
}

namespace file_io_detail {

struct AtomicWriteSteps::State {
    QuietCriticalErrors quiet;
    fs::path requested;
    fs::path target;
    fs::path dir;
    DWORD existing = INVALID_FILE_ATTRIBUTES;
    fs::path temp;
    Handle file{INVALID_HANDLE_VALUE};

    Status failure(DWORD error) const {
        return Status::failure(failureText("Cannot write", requested, error));
    }
};

AtomicWriteSteps::AtomicWriteSteps(const fs::path& requested) : m_state(std::make_unique<State>()) {
    m_state->requested = requested;
}

AtomicWriteSteps::~AtomicWriteSteps() = default;

Status AtomicWriteSteps::openFolder(const fs::path& target,
                                    std::optional<std::uint64_t> /*folderDevice*/) {
    m_state->target = target;
    m_state->dir = target.has_parent_path() ? target.parent_path() : fs::path(L".");
    return Status::success();
}

Status AtomicWriteSteps::checkTarget(bool followSymlink) {
    State& s = *m_state;
    s.existing = ::GetFileAttributesW(s.target.c_str());
    if (s.existing != INVALID_FILE_ATTRIBUTES)
        return checkReplaceable(s.requested, s.target, s.existing, followSymlink);
    return Status::success();
}

void AtomicWriteSteps::removeStaleTemporaries() {
    marlix::removeStaleTemporaries(m_state->dir, m_state->target);
}

Status AtomicWriteSteps::createTemporary() {
    State& s = *m_state;
    // Attributes the user gave the file are kept; the read-only one is not carried over, since a
    // read-only target already refuses the replace.
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (s.existing != INVALID_FILE_ATTRIBUTES && !(s.existing & FILE_ATTRIBUTE_REPARSE_POINT)) {
        const DWORD kept = s.existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (kept)
            attributes = kept;
    }
    for (unsigned attempt = 0; attempt < 100 && !s.file.valid(); ++attempt) {
        s.temp = s.dir / temporaryName(s.target, attempt);
        s.file.reset(::CreateFileW(s.temp.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   CREATE_NEW, attributes, nullptr));
        if (!s.file.valid() && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (!s.file.valid())
        return s.failure(::GetLastError());
    return Status::success();
}

Status AtomicWriteSteps::keepOwnerAndMode() {
    // The attributes were given at the creation; the owner is whoever writes.
    return Status::success();
}

Status AtomicWriteSteps::writeTemporary(std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(m_state->file.get(), bytes.data() + done, chunk, &written, nullptr))
            return m_state->failure(::GetLastError());
        if (written == 0)
            return m_state->failure(ERROR_WRITE_FAULT);
        done += written;
    }
    return Status::success();
}

Status AtomicWriteSteps::syncTemporary() {
    if (!::FlushFileBuffers(m_state->file.get()))
        return m_state->failure(::GetLastError());
    return Status::success();
}

Result<bool> AtomicWriteSteps::temporaryHolds(std::string_view bytes) {
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(m_state->file.get(), start, nullptr, FILE_BEGIN))
        return m_state->failure(::GetLastError());
    std::string back;
    if (const DWORD error = readAll(m_state->file.get(), back, bytes.size() + 1))
        return m_state->failure(error);
    return back == bytes;
}

Status AtomicWriteSteps::closeTemporary() {
    if (!m_state->file.close())
        return m_state->failure(::GetLastError());
    return Status::success();
}

Status AtomicWriteSteps::renameOverTarget() {
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(m_state->temp.c_str(), m_state->target.c_str(), kMoveFlags))
            return Status::success();
        const DWORD error = ::GetLastError();
        if (!transient(error) || attempt == 10)
            return m_state->failure(error);
        ::Sleep(50);
    }
}

void AtomicWriteSteps::removeTemporary() {
    m_state->file.close();
    ::DeleteFileW(m_state->temp.c_str());
}

Status AtomicWriteSteps::syncFolder() {
    // MOVEFILE_WRITE_THROUGH returns only once the replace is on the disk.
    return Status::success();
}

Result<bool> AtomicWriteSteps::targetHolds(std::string_view bytes) {
    auto written = ReadWholeFile(m_state->target, bytes.size());
    if (!written && written.code() != ErrorCode::TooLarge)
        return written.status();
    return written && *written == bytes;
}

}  // namespace file_io_detail

void EndWritesCleanlyOnSignals() {}

Status WriteIntoStream(const fs::path& path, std::string_view bytes) {
    QuietCriticalErrors quiet;
    Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        return Status::failure(failureText("Cannot write", path, error),
                               isAbsence(error) ? ErrorCode::NotFound : ErrorCode::Io);
    }
    const DWORD type = ::GetFileType(file.get());
    if (type != FILE_TYPE_PIPE && type != FILE_TYPE_CHAR) {
        return Status::failure(failureText("Cannot write", path, "not a pipe or character device"),
                               ErrorCode::NotRegularFile);
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr))
            return Status::failure(failureText("Cannot write", path, ::GetLastError()));
        if (written == 0)
            return Status::failure(failureText("Cannot write", path, ERROR_WRITE_FAULT));
        done += written;
    }
    return Status::success();
}

Result<std::optional<std::string>> ReadSmallRegularFile(const fs::path& path,
                                                        std::size_t maxBytes) {
    QuietCriticalErrors quiet;
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself rather than its target; the checks below
    // then turn it away.
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        // No medium in the drive means there is nothing at the path either.
        if (isAbsence(error) || error == ERROR_NOT_READY || error == ERROR_INVALID_DRIVE) {
            return std::optional<std::string>();
        }
        // A folder cannot be opened without backup semantics.
        if (error == ERROR_ACCESS_DENIED && isDirectory(path))
            return std::optional<std::string>();
        return Status::failure(failureText("Cannot read", path, error));
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::optional<std::string>();
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file.get(), &info)) {
        return Status::failure(failureText("Cannot read", path, ::GetLastError()));
    }
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
        return std::optional<std::string>();
    }
    std::string out;
    if (const DWORD error = readAll(file.get(), out, maxBytes)) {
        return Status::failure(failureText("Cannot read", path, error));
    }
    return std::optional<std::string>(std::move(out));
}

}  // namespace marlix

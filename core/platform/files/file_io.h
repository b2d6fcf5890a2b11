// File access that never leaves a half-written file behind, never blocks on odd files and never
// reads more than a file of its kind can hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/result.h"

namespace marlix {

// What is at a path after following links. A dangling link counts as missing.
enum class FileKind { Missing, Regular, Directory, Fifo, CharacterDevice, Other };

// Failures other than "does not exist" (no permission on the folder, ...) are reported.
Result<FileKind> ProbeFile(const std::filesystem::path& path);

// Where a path leads after following symbolic links at its last component (a relative link is
// taken from the folder that holds it). A dangling link leads to the path it names; a loop, or a
// chain longer than the system follows, ends at a link.
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// Whether two paths lead (through links) to one file. False when either is missing.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The whole file, at most maxBytes of it: a larger one fails with ErrorCode::TooLarge however
// small the system says it is (files under /proc claim 0 bytes). A missing file fails with
// ErrorCode::NotFound; callers that treat absence specially use ReadFileIfPresent. Anything but
// a regular file (a FIFO, a device, a folder) fails with ErrorCode::NotRegularFile without being
// opened, and a file that would make the reader wait (some files under /proc) is unreadable.
Result<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);
// nullopt when nothing exists at the path.
Result<std::optional<std::string>> ReadFileIfPresent(const std::filesystem::path& path,
                                                     std::size_t maxBytes);

struct AtomicWriteOptions {
    // A symbolic link at the target is written through (its target is replaced). When false, the
    // link itself is replaced by a regular file.
    bool followSymlink = true;
    // Read the file back once more after the rename, besides the read-back of the temporary
    // file that every write makes before it replaces anything.
    bool recheckAfterRename = false;
    // The system's number of the device the folder must be on (a card's mount); the write fails
    // with ErrorCode::DriveGone when the folder is elsewhere, e.g. the empty mount point left on
    // the system disk after the card was unmounted. Ignored where the system has no such number.
    std::optional<std::uint64_t> folderDevice = std::nullopt;
    // First remove the temporary files that earlier writes of this target left behind (cut off
    // by a pulled card or a lost power): regular files by the exact name pattern of this
    // target's temporary files, in its folder, never through a link. Only where no other program
    // writes the same target at the same moment: its temporary file would go too.
    bool removeStaleTemporaries = false;
};

// Writes the bytes to a temporary file beside the target, syncs it, reads it back, and only when
// it holds exactly the bytes renames it over the target, so the target holds either the old or
// the new contents, never a mix. An existing target's owner and permission bits are kept. Only a
// regular file (or, when not following, a link) is ever replaced, and not one without write
// permission, even for root. On failure the temporary file is removed and the message names the
// path and the reason; a failed sync of the folder after the rename is reported too, though the
// new contents are then in place.
Status AtomicWriteFile(const std::filesystem::path& target, std::string_view bytes,
                       const AtomicWriteOptions& options = {});

// For a process that is there only to write (the card write's child process): SIGTERM, SIGHUP
// and SIGINT remove the temporary file of the write under way and then end the process as the
// signal would have; a signal the process ignores stays ignored. Nothing on Windows.
void EndWritesCleanlyOnSignals();

// Writes the bytes straight into an existing FIFO or character device (a pipe, a terminal,
// /dev/stdout): no temporary file, no rename, nothing created. Anything else is refused with
// ErrorCode::NotRegularFile; a FIFO that nobody reads from fails instead of waiting.
Status WriteIntoStream(const std::filesystem::path& path, std::string_view bytes);

// Reads at most maxBytes from a file without following a link at the last component and
// without blocking. nullopt when there is nothing at the path or it is not a regular file; only
// a regular file is ever opened (opening a device can have effects of its own).
Result<std::optional<std::string>> ReadSmallRegularFile(const std::filesystem::path& path,
                                                        std::size_t maxBytes);

// Failure texts shared by both systems' implementations.
namespace file_io_detail {
Status TooLargeFailure(const std::filesystem::path& path, std::size_t maxBytes);
Status ReadBackFailure(const std::filesystem::path& requested);
}  // namespace file_io_detail

}  // namespace marlix

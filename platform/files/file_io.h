// File access that never leaves a half-written file behind and never blocks on odd files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace marlix {

enum class FileState { Missing, Present };

// Whether something exists at the path (a dangling link counts as missing). Failures other than
// "does not exist" (no permission on the folder, ...) are reported.
Result<FileState> ProbeFile(const std::filesystem::path& path);

// Where a path leads after following symbolic links at its last component (a relative link is
// taken from the folder that holds it). A dangling link leads to the path it names; a loop, or a
// chain longer than the system follows, ends at a link.
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// The whole file. A missing file is a failure like any other; callers that treat absence
// specially ask ProbeFile first or use ReadFileIfPresent. Anything but a regular file (a FIFO,
// a device, a folder) is refused without being read and without blocking.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);
// nullopt when nothing exists at the path.
Result<std::optional<std::string>> ReadFileIfPresent(const std::filesystem::path& path);

struct AtomicWriteOptions {
    // A symbolic link at the target is written through (its target is replaced). When false, the
    // link itself is replaced by a regular file.
    bool followSymlink = true;
    // Read the file back after the rename and compare it with what was meant to be written.
    bool verify = false;
};

// Writes the bytes to a temporary file beside the target, syncs it, and renames it over the
// target, so the target holds either the old or the new contents, never a mix. An existing
// target's owner and permission bits are kept. Only a regular file (or, when not following, a
// link) is ever replaced, and not one without write permission, even for root. On failure the
// temporary file is removed and the message names the path and the reason; a failed sync of the
// folder after the rename is reported too, though the new contents are then in place.
Status AtomicWriteFile(const std::filesystem::path& target, std::string_view bytes,
                       const AtomicWriteOptions& options = {});

// Reads target back and compares it with the bytes meant to be there; the message names the path
// the caller asked for.
Status VerifyWrittenFile(const std::filesystem::path& requested,
                         const std::filesystem::path& target, std::string_view bytes);

// Reads at most maxBytes from a file without following a link at the last component and
// without blocking (a FIFO or a device never stalls the caller). nullopt when there is nothing
// at the path or it is not a regular file.
Result<std::optional<std::string>> ReadSmallRegularFile(const std::filesystem::path& path,
                                                        std::size_t maxBytes);

}  // namespace marlix

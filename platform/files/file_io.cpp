// The parts of file access that are the same on every system.
#include "platform/files/file_io.h"
#include "platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

Result<std::optional<std::string>> ReadFileIfPresent(const fs::path& path) {
    auto state = ProbeFile(path);
    if (!state)
        return state.status();
    if (*state == FileState::Missing)
        return std::optional<std::string>();
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.status();
    return std::optional<std::string>(std::move(bytes).value());
}

Status VerifyWrittenFile(const fs::path& requested, const fs::path& target,
                         std::string_view bytes) {
    auto back = ReadWholeFile(target);
    if (!back)
        return back.status();
    if (*back != bytes) {
        return Status::failure("Cannot write \"" + PathToUtf8(requested) +
                               "\": the file read back differs from what was written");
    }
    return Status::success();
}

}  // namespace marlix

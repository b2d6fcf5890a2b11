// The parts of file access that are the same on every system.
#include "platform/files/file_io.h"

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

}  // namespace marlix

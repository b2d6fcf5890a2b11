// The steps of AtomicWriteFile as each system takes them (file_io_posix.cpp, file_io_win32.cpp);
// their order, and what a failure undoes, is in file_io.cpp once for both. Every failure is
// reported with the path the caller asked for and the system's reason.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "core/platform/result.h"

namespace marlix::file_io_detail {

class AtomicWriteSteps {
public:
    // On Windows, the system's "insert a disk" boxes stay shut while the object lives.
    explicit AtomicWriteSteps(const std::filesystem::path& requested);
    ~AtomicWriteSteps();
    AtomicWriteSteps(const AtomicWriteSteps&) = delete;
    AtomicWriteSteps& operator=(const AtomicWriteSteps&) = delete;

    // Opens the folder of the target (links already followed where asked); with folderDevice,
    // fails with ErrorCode::DriveGone when it is on another device.
    Status openFolder(const std::filesystem::path& target,
                      std::optional<std::uint64_t> folderDevice);
    // Whether what is at the target may be replaced; remembers what the new file keeps of it.
    Status checkTarget(bool followSymlink);
    // Best effort: the temporary files earlier writes of this target left behind.
    void removeStaleTemporaries();
    // A new temporary file beside the target. Nothing is left behind when this fails.
    Status createTemporary();
    // From here on, a failure leaves the temporary file to removeTemporary.
    Status keepOwnerAndMode();
    Status writeTemporary(std::string_view bytes);
    Status syncTemporary();
    // Whether the temporary file reads back as exactly the bytes.
    Result<bool> temporaryHolds(std::string_view bytes);
    Status closeTemporary();
    Status renameOverTarget();
    void removeTemporary();
    // Makes the rename durable; a failure here comes with the new contents in place.
    Status syncFolder();
    // Whether the target, after the rename, reads back as exactly the bytes.
    Result<bool> targetHolds(std::string_view bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace marlix::file_io_detail

#include "core/devices/card_conf.h"

#include <filesystem>

#include "core/export/camera_conf.h"
#include "core/export/camera_conf_reader.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

CardConf ReadCardConf(const std::string& root) {
    const std::filesystem::path path = PathFromUtf8(root) / std::string(kCameraConfName);
    // One byte beyond the limit tells a file that is too large from one that just fits.
    auto read = ReadSmallRegularFile(path, kCameraConfReadLimit + 1);
    if (!read)
        return CardConf{CardConfKind::Unreadable, read.message()};
    if (!read->has_value()) {
        std::error_code error;
        const auto status = std::filesystem::symlink_status(path, error);
        const bool present = !error && std::filesystem::exists(status);
        return CardConf{present ? CardConfKind::NotRegular : CardConfKind::Missing, {}};
    }
    if ((*read)->size() > kCameraConfReadLimit)
        return CardConf{CardConfKind::TooLarge, {}};
    return CardConf{CardConfKind::Read, std::move(**read)};
}

}  // namespace marlix

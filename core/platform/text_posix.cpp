// Paths and the system's text on POSIX systems, where both are bytes.
#include "core/platform/text.h"

namespace marlix {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    std::u8string u8(utf8.begin(), utf8.end());
    return std::filesystem::path(u8);
}

std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

std::string AnsiToUtf8(std::string_view ansi) {
    return IsValidUtf8(ansi) ? std::string(ansi) : Latin1ToUtf8(ansi);
}

}  // namespace marlix

// version.txt as POSIX systems' programs write it: UTF-8, or else Latin-1 byte for byte.
#include "core/devices/device_rows.h"

#include "core/platform/text.h"

namespace marlix {

// A file cut at the byte limit may end in the first bytes of a character; that character is
// dropped rather than reading the whole text as Latin-1.
std::string VersionTextFromBytes(std::string_view bytes, bool mayBeCut) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    if (mayBeCut) {
        const std::string_view whole = bytes.substr(0, bytes.size() - Utf8IncompleteTail(bytes));
        if (whole.size() < bytes.size() && IsValidUtf8(whole))
            return std::string(whole);
    }
    return Latin1ToUtf8(bytes);
}

}  // namespace marlix

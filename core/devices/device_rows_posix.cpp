// version.txt as POSIX systems' programs write it: UTF-8, or else Latin-1 byte for byte.
#include "core/devices/device_rows.h"

#include "core/platform/text.h"

namespace marlix {

namespace {

bool isLeadByte(unsigned char c) {
    return c >= 0xC2 && c <= 0xF4;
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return 2;
}

}  // namespace

// A file cut at the byte limit may end in the first bytes of a character; that character is
// dropped rather than reading the whole text as Latin-1.
std::string VersionTextFromBytes(std::string_view bytes, bool mayBeCut) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    if (mayBeCut) {
        for (std::size_t tail = 1; tail <= 3 && tail <= bytes.size(); ++tail) {
            const auto lead = static_cast<unsigned char>(bytes[bytes.size() - tail]);
            if (isLeadByte(lead) && sequenceLength(lead) > tail) {
                const std::string_view whole = bytes.substr(0, bytes.size() - tail);
                if (IsValidUtf8(whole))
                    return std::string(whole);
                break;
            }
        }
    }
    return Latin1ToUtf8(bytes);
}

}  // namespace marlix

// version.txt as Windows programs write it: in the system's ANSI code page.
#include "core/devices/device_rows.h"

#include "core/platform/text.h"

namespace marlix {

std::string VersionTextFromBytes(std::string_view bytes, bool /*mayBeCut*/) {
    return AnsiToUtf8(bytes);
}

}  // namespace marlix

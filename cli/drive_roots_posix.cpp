#include "cli/drive_roots.h"

namespace marlix {

bool SameDriveRoot(std::string_view a, std::string_view b) {
    return a == b;
}

}  // namespace marlix

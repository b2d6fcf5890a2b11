// Linux with UDisks2 (MARLIX_UDISKS): mount and eject through the service.
#include "gui/devices/media_actions.h"
#include "gui/devices/udisks_media_actions.h"

namespace marlix {

std::unique_ptr<MediaActions> CreateSystemMediaActions() {
    return std::make_unique<UDisksMediaActions>();
}

}  // namespace marlix

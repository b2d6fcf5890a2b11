// Windows: eject through the system's safe removal.
#include "gui/devices/media_actions.h"
#include "gui/devices/windows_media_actions.h"

namespace marlix {

std::unique_ptr<MediaActions> CreateSystemMediaActions() {
    return std::make_unique<WindowsMediaActions>();
}

}  // namespace marlix

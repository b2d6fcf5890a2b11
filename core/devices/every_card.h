// Writing one camera.conf onto every listed card, one after the other: what marlix-cli's
// write --all-cards does, and what a window's "set on all cards" can reuse.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/devices/device_rows.h"
#include "core/platform/result.h"

namespace marlix {

struct CardWrite {
    std::string root;   // the row's root (an unmounted card's device)
    std::string label;  // the row's label
    Status status;      // success when camera.conf was written and read back
};

// Writes onto each row's card in row order, each with the checked write of a single card
// (WriteCameraConf against the device its probe saw). A card that did not answer its probe, or is
// not mounted, is not tried and fails; a card that fails or stops answering during its write
// fails alone, and the next card is written all the same. `build` makes the bytes just before
// each write, so that a clock line holds that card's time; a failure of it fails that card.
// `done` hears of each card as soon as it is over, so that a long run can be followed.
std::vector<CardWrite> WriteEveryCard(const std::vector<DeviceRow>& rows,
                                      const std::function<Result<std::string>()>& build,
                                      const std::function<void(const CardWrite&)>& done = {});

}  // namespace marlix

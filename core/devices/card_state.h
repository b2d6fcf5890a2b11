// What the chosen card holds, set against what the pages show: the one line the window shows
// beside the device list, and "Load from card".
#pragma once

#include <string>
#include <vector>

#include "core/devices/device_rows.h"
#include "core/export/camera_conf_reader.h"
#include "core/pages/page_fields.h"
#include "core/platform/result.h"

namespace marlix {

enum class CardState {
    None,          // no card is chosen
    Reading,       // its probe is not back yet
    NotAnswering,  // its probe missed the deadline
    NoFile,        // no camera.conf on it
    Problems,      // a camera.conf the camera would not take as it stands, or none that can be read
    Matches,       // camera.conf is what Set would write now (the clock line aside from its time)
    Differs,
};

struct CardComparison {
    CardState state = CardState::None;
    std::string summary;  // one short sentence; empty for CardState::None
    // "key: card -> pages" for each difference; or the first problems, then "and N more problems"
    // when there are more.
    std::vector<std::string> details;
    // CardState::Differs: each difference, for the window to word as its pages do.
    std::vector<CameraConfDifference> differences = {};
};

// The card's camera.conf against what Set would write from the pages now: every setting line
// (auto shoot and burst as the Photo interlock leaves them) and whether a clock line is there.
// The time on a clock line is not compared: it is the moment of writing.
CardComparison CompareCardWithPages(const DeviceRow* card, const ProfileSelections& pages);

struct CardLoad {
    ProfileSelections values;  // the pages' values with the card's settings put in
    // "key=text" of each setting no page shows (image_iso=3200, photo_burst=20p...); those keep
    // the pages' own values.
    std::vector<std::string> kept;
};

// The card's settings as import reads them (a clock line sets the clock flag, its absence clears
// it), put into the pages' values; the Photo interlock flags stay the pages'. Fails, naming the
// reason, for a card with no camera.conf or one that has problems; nothing is put in then.
Result<CardLoad> LoadCardIntoPages(const CardConf& conf, const ProfileSelections& pages);

}  // namespace marlix

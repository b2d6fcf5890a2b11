// The camera.conf a card holds, as the drive probe reads it: the window compares it with the
// pages and loads it into them without touching the card again.
#pragma once

#include <cstdint>
#include <string>

namespace marlix {

enum class CardConfKind : std::uint8_t {
    Missing,     // nothing named camera.conf in the card's root
    Read,        // bytes holds the file
    NotRegular,  // a folder, a link, a device... : nothing the camera could read
    TooLarge,    // more than kCameraConfReadLimit bytes
    Unreadable,  // bytes holds the system's reason
};

struct CardConf {
    CardConfKind kind = CardConfKind::Missing;
    std::string bytes;
    friend bool operator==(const CardConf&, const CardConf&) = default;
};

// root + "camera.conf", read the way version.txt is: without following a link (the camera reads
// a FAT card, which has none, and Set replaces a link rather than writing through it, so a link
// there can only lead off the card: to a FIFO, a device or a huge file on the computer), without
// blocking, at most kCameraConfReadLimit bytes. May still block on a card that hangs: call it
// through the drive probe.
CardConf ReadCardConf(const std::string& root);

}  // namespace marlix

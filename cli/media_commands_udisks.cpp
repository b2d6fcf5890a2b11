// Mounting and ejecting cards through UDisks2, as the window does (the client lives in
// marlix_dbus, reached through a header without Qt).
#include <sys/stat.h>

#include <string>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "cli/media_commands.h"
#include "core/devices/device_list.h"
#include "core/platform/escaped_text.h"
#include "dbus/udisks_cli.h"

namespace marlix {

namespace {

// "/dev/sdc1 (CAM), /dev/sdd1", or why there is no list.
std::string unmountedList(const std::shared_ptr<VolumeSource>& volumes) {
    auto cards = UnmountedCardsThroughUDisks(
        [&](std::uint64_t device) { return volumes->IsRemovableDevice(device); });
    if (!cards)
        return cards.message();
    if (cards->empty())
        return "no card is unmounted";
    std::string out = "unmounted cards: ";
    for (std::size_t i = 0; i < cards->size(); ++i) {
        const UnmountedCard& card = (*cards)[i];
        out += (i ? ", " : "") + card.device;
        if (!card.label.empty())
            out += " (" + card.label + ")";
    }
    return out;
}

}  // namespace

int RunMount(Invocation& in) {
    const std::string& given = in.arguments[0];
    // A card that is mounted already: its root, as for one mounted now.
    if (auto listed = FindRemovableDrive(given)) {
        in.out << EscapedText(listed->root) << "\n";
        return kExitSuccess;
    }
    const std::shared_ptr<VolumeSource> volumes = CliVolumeSource();
    struct stat st;
    if (::stat(given.c_str(), &st) != 0 || !S_ISBLK(st.st_mode) ||
        !volumes->IsRemovableDevice(st.st_rdev)) {
        return in.fail("\"" + given + "\" is neither a listed removable drive nor the device of " +
                       "a card (" + unmountedList(volumes) + ")");
    }
    auto mounted = MountThroughUDisks(st.st_rdev);
    if (!mounted)
        return in.fail("Cannot mount " + given + ": " + mounted.message());
    in.out << EscapedText(*mounted + "/") << "\n";
    return kExitSuccess;
}

int RunEject(Invocation& in) {
    auto card = FindRemovableDrive(in.arguments[0]);
    if (!card)
        return in.fail(card.status());
    auto ejected = EjectThroughUDisks(card->drive.listing.blockDevice);
    if (!ejected)
        return in.fail("Cannot eject " + card->root + ": " + ejected.message());
    in.out << EscapedText(EjectedText(card->root)) << "\n";
    if (!ejected->empty())
        in.err << kProgramName << ": " << EscapedText(card->root + ": " + *ejected) << "\n";
    return kExitSuccess;
}

}  // namespace marlix

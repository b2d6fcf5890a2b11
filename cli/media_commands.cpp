// Mounting and ejecting cards. On Linux they go through UDisks2, as the window's do (the client
// lives in marlix_dbus, reached through a header without Qt); on Windows eject is the system's
// safe removal. A build without either says so.
#include <string>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "core/devices/device_list.h"
#include "core/platform/escaped_text.h"

#if defined(MARLIX_HAVE_UDISKS)
#include <sys/stat.h>

#include "dbus/udisks_cli.h"
#elif defined(_WIN32)
#include "core/platform/volumes/windows/windows_eject.h"
#endif

namespace marlix {

namespace {

[[maybe_unused]] std::string ejectedText(const std::string& root) {
    return "Ejected " + root + ": the card can be taken out.";
}

#if defined(MARLIX_HAVE_UDISKS)

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

#endif

}  // namespace

int RunMount(Invocation& in) {
    const std::string& given = in.arguments[0];
#if defined(MARLIX_HAVE_UDISKS)
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
#else
    return in.fail("Cannot mount \"" + given + "\": this marlix-cli was built without UDisks2 " +
#if defined(_WIN32)
                   "(Windows mounts cards by itself)");
#else
                   "(it needs Qt D-Bus: build with -DMARLIX_UDISKS=ON)");
#endif
#endif
}

int RunEject(Invocation& in) {
    const std::string& given = in.arguments[0];
#if defined(MARLIX_HAVE_UDISKS) || defined(_WIN32)
    auto card = FindRemovableDrive(given);
    if (!card)
        return in.fail(card.status());
#endif
#if defined(MARLIX_HAVE_UDISKS)
    auto ejected = EjectThroughUDisks(card->drive.listing.blockDevice);
    if (!ejected)
        return in.fail("Cannot eject " + card->root + ": " + ejected.message());
    in.out << EscapedText(ejectedText(card->root)) << "\n";
    if (!ejected->empty())
        in.err << kProgramName << ": " << EscapedText(card->root + ": " + *ejected) << "\n";
    return kExitSuccess;
#elif defined(_WIN32)
    if (const Status status = EjectVolume(card->root); !status)
        return in.fail("Cannot eject " + card->root + ": " + status.message());
    in.out << EscapedText(ejectedText(card->root)) << "\n";
    return kExitSuccess;
#else
    return in.fail("Cannot eject \"" + given + "\": this marlix-cli was built without UDisks2 " +
                   "(it needs Qt D-Bus: build with -DMARLIX_UDISKS=ON)");
#endif
}

}  // namespace marlix

// Mounting and ejecting cards through UDisks2, as the window does (the client lives in
// marlix_dbus, reached through a header without Qt).
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "cli/media_commands.h"
#include "core/devices/device_list.h"
#include "core/platform/escaped_text.h"
#include "dbus/udisks_cli.h"

namespace marlix {

namespace {

// "unmounted cards: /dev/sdc1 (CAM), /dev/sdd1".
std::string unmountedList(const std::vector<UnmountedCard>& cards) {
    if (cards.empty())
        return "no card is unmounted";
    std::string out = "unmounted cards: ";
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const UnmountedCard& card = cards[i];
        out += (i ? ", " : "") + card.device;
        if (!card.label.empty())
            out += " (" + card.label + ")";
    }
    return out;
}

// `mount LABEL`: the one card, mounted or not, whose label it is. A label two cards share names
// neither, since mounting the wrong one would go unnoticed until its camera.conf is missed.
int mountByLabel(Invocation& in, const std::shared_ptr<VolumeSource>& volumes) {
    const std::string& label = in.arguments[0];
    std::vector<std::string> mounted;
    if (auto rows = ScanDeviceRows()) {
        for (const DeviceRow& row : *rows) {
            if (row.state != DriveState::Unmounted && row.label == label)
                mounted.push_back(row.root);
        }
    }
    std::vector<UnmountedCard> unmounted;
    auto cards = UnmountedCardsThroughUDisks(
        [&](std::uint64_t device) { return volumes->IsRemovableDevice(device); });
    if (cards) {
        for (const UnmountedCard& card : *cards) {
            if (card.label == label)
                unmounted.push_back(card);
        }
    }
    if (mounted.size() + unmounted.size() > 1) {
        std::string named;
        for (const std::string& root : mounted) named += (named.empty() ? "" : ", ") + root;
        for (const UnmountedCard& card : unmounted)
            named += (named.empty() ? "" : ", ") + card.device;
        return in.fail("\"" + label + "\" is the label of more than one card (" + named +
                       "); give the card's device or root instead");
    }
    if (mounted.size() == 1) {
        in.out << EscapedText(mounted.front()) << "\n";
        return kExitSuccess;
    }
    if (unmounted.empty()) {
        return in.fail("\"" + label + "\" is neither a listed removable drive, nor the device " +
                       "of a card, nor a card's label (" +
                       (cards ? unmountedList(*cards) : cards.message()) + ")");
    }
    auto mountPoint = MountThroughUDisks(unmounted.front().blockDevice);
    if (!mountPoint)
        return in.fail("Cannot mount " + unmounted.front().device + ": " + mountPoint.message());
    in.out << EscapedText(*mountPoint + "/") << "\n";
    return kExitSuccess;
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
    if (::stat(given.c_str(), &st) != 0 || !S_ISBLK(st.st_mode))
        return mountByLabel(in, volumes);
    if (!volumes->IsRemovableDevice(st.st_rdev)) {
        auto cards = UnmountedCardsThroughUDisks(
            [&](std::uint64_t device) { return volumes->IsRemovableDevice(device); });
        return in.fail("\"" + given + "\" is not the device of a card (" +
                       (cards ? unmountedList(*cards) : cards.message()) + ")");
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

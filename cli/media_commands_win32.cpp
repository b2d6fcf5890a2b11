// Mounting and ejecting cards on Windows: it mounts cards by itself, and eject is the system's
// safe removal.
#include <string>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "cli/media_commands.h"
#include "core/devices/device_list.h"
#include "core/platform/escaped_text.h"
#include "core/platform/volumes/windows/windows_eject.h"

namespace marlix {

int RunMount(Invocation& in) {
    return in.fail("Cannot mount \"" + in.arguments[0] +
                   "\": this marlix-cli was built without UDisks2 " +
                   "(Windows mounts cards by itself)");
}

int RunEject(Invocation& in) {
    auto card = FindRemovableDrive(in.arguments[0]);
    if (!card)
        return in.fail(card.status());
    if (const Status status = EjectVolume(card->root); !status)
        return in.fail("Cannot eject " + card->root + ": " + status.message());
    in.out << EscapedText(EjectedText(card->root)) << "\n";
    return kExitSuccess;
}

}  // namespace marlix

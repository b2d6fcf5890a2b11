// A marlix-cli built without UDisks2 (no Qt D-Bus) on a system other than Windows: mount and
// eject say so.
#include <string>

#include "cli/commands.h"

namespace marlix {

int RunMount(Invocation& in) {
    return in.fail("Cannot mount \"" + in.arguments[0] +
                   "\": this marlix-cli was built without UDisks2 " +
                   "(it needs Qt D-Bus: build with -DMARLIX_UDISKS=ON)");
}

int RunEject(Invocation& in) {
    return in.fail("Cannot eject \"" + in.arguments[0] +
                   "\": this marlix-cli was built without UDisks2 " +
                   "(it needs Qt D-Bus: build with -DMARLIX_UDISKS=ON)");
}

}  // namespace marlix

#include "cli/media_commands.h"

namespace marlix {

std::string EjectedText(const std::string& root) {
    return "Ejected " + root + ": the card can be taken out.";
}

}  // namespace marlix

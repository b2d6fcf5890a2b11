// What the systems' mount and eject of marlix-cli share (media_commands_udisks.cpp,
// media_commands_win32.cpp; media_commands_none.cpp where there are neither).
#pragma once

#include <string>

namespace marlix {

// The line that says a card may be taken out.
std::string EjectedText(const std::string& root);

}  // namespace marlix

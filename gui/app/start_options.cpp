#include "gui/app/start_options.h"

#include "marlix_version.h"

namespace marlix {

std::string_view MarlixVersion() {
    return kMarlixVersion;
}

std::string_view MarlixUsage() {
    return "Usage: marlix [--data-folder]\n"
           "\n"
           "Shows the camera settings window. The profiles are kept in cfg.ini in the working\n"
           "directory.\n"
           "\n"
           "Options:\n"
           "  --data-folder  keep cfg.ini in the per-user data folder instead: marlix creates\n"
           "                 $XDG_DATA_HOME/marlix (~/.local/share/marlix when XDG_DATA_HOME is\n"
           "                 not set) and starts there. The application menu starts it so.\n"
           "  --help         this text\n"
           "  --version      the program's name and version\n"
           "\n"
           "Qt's own options (such as -platform or -style) are taken as well.\n";
}

}  // namespace marlix

// What marlix does with its command line before the window starts. Qt-free, so that --version
// and --help answer without a display.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/platform/result.h"

namespace marlix {

std::string_view MarlixVersion();

// The text of marlix --help.
std::string_view MarlixUsage();

// The per-user folder that the application menu starts marlix in, so that cfg.ini does not land
// in the home folder: $XDG_DATA_HOME/marlix, or ~/.local/share/marlix when XDG_DATA_HOME is
// unset, empty or relative (%LOCALAPPDATA%\marlix on Windows).
Result<std::filesystem::path> DataFolderPath();

// Creates the folder (and the folders above it) where missing, then makes it the working
// directory. The working directory stays as it was when this fails.
Status EnterFolder(const std::filesystem::path& folder);

}  // namespace marlix

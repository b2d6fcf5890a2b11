// What marlix does with its command line before the window starts. Qt-free, so that --version
// and --help answer without a display.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/result.h"

namespace marlix {

std::string_view MarlixVersion();

// The text of marlix --help.
std::string_view MarlixUsage();

// The languages marlix has a translation for, by the code of its translation ("de", "pt_BR").
// English is the program's own and needs none.
std::span<const std::string_view> TranslationCodes();

// The translation for a language as a user or the desktop names it ("de", "de_AT.UTF-8",
// "pt-PT", "zh_CN"): the code of the one marlix has, "" for English, nullopt for a language it
// has none for. A region marlix has no translation of takes the language's ("de_CH" is "de",
// "pt_PT" Brazilian Portuguese), except Chinese, whose simplified script only zh_CN and zh_SG
// read.
std::optional<std::string> TranslationFor(std::string_view language);

// The languages the desktop asks for, most wanted first: on POSIX systems LANGUAGE's list, then
// the locale of messages (LC_ALL, else LC_MESSAGES, else LANG), as gettext reads them (LANGUAGE
// counts only when that locale is not "C"); on Windows the user's interface language.
std::vector<std::string> DesktopLanguages();

// The translation for the first of those languages that marlix can show ("" for English, and
// when it can show none of them).
std::string ChooseTranslation(const std::vector<std::string>& languages);

// The per-user folder that the application menu starts marlix in, so that cfg.ini does not land
// in the home folder: $XDG_DATA_HOME/marlix, or ~/.local/share/marlix when XDG_DATA_HOME is
// unset, empty or relative (%LOCALAPPDATA%\marlix on Windows).
Result<std::filesystem::path> DataFolderPath();

// Creates the folder (and the folders above it) where missing, then makes it the working
// directory. The working directory stays as it was when this fails.
Status EnterFolder(const std::filesystem::path& folder);

}  // namespace marlix

#include "gui/app/start_options.h"

#include <array>

#include "marlix_version.h"

namespace marlix {

std::string_view MarlixVersion() {
    return kMarlixVersion;
}

std::string_view MarlixUsage() {
    return "Usage: marlix [--data-folder] [--language CODE]\n"
           "\n"
           "Shows the camera settings window. The profiles are kept in cfg.ini in the working\n"
           "directory.\n"
           "\n"
           "Options:\n"
           "  --data-folder    keep cfg.ini in the per-user data folder instead: marlix creates\n"
           "                   $XDG_DATA_HOME/marlix (~/.local/share/marlix when XDG_DATA_HOME\n"
           "                   is not set) and starts there. The application menu starts it so.\n"
           "  --language CODE  show the window in this language rather than the desktop's (as\n"
           "                   LANGUAGE, LC_MESSAGES or LANG name it): de, en, es, fr, ja,\n"
           "                   pt_BR, ru or zh_CN. cfg.ini and camera.conf are the same in every\n"
           "                   language.\n"
           "  --help           this text\n"
           "  --version        the program's name and version\n"
           "\n"
           "Qt's own options (such as -platform or -style) are taken as well.\n";
}

namespace {

constexpr std::array<std::string_view, 7> kTranslationCodes = {"de",    "es", "fr",   "ja",
                                                               "pt_BR", "ru", "zh_CN"};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::span<const std::string_view> TranslationCodes() {
    return kTranslationCodes;
}

std::optional<std::string> TranslationFor(std::string_view language) {
    // "ll_RR.encoding@modifier" or "ll-RR": only the language and the region count.
    language = language.substr(0, language.find_first_of(".@"));
    const std::size_t split = language.find_first_of("_-");
    std::string code;
    for (char c : language.substr(0, split)) code += Lower(c);
    std::string region;
    if (split != std::string_view::npos) {
        for (char c : language.substr(split + 1)) region += Upper(c);
    }
    if (code.size() < 2 || code.size() > 3)
        return std::nullopt;
    if (code == "en")
        return std::string();
    if (code == "zh") {
        // Traditional script readers (zh_TW, zh_HK) are better served by the next language.
        if (region.empty() || region == "CN" || region == "SG" || region == "HANS")
            return std::string("zh_CN");
        return std::nullopt;
    }
    for (std::string_view known : kTranslationCodes) {
        if (known.substr(0, known.find('_')) == code)
            return std::string(known);
    }
    return std::nullopt;
}

std::string ChooseTranslation(const std::vector<std::string>& languages) {
    for (const std::string& language : languages) {
        if (std::optional<std::string> translation = TranslationFor(language))
            return *translation;
    }
    return {};
}

}  // namespace marlix

// The data folder and entering it, on POSIX systems.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "core/platform/text.h"
#include "gui/app/start_options.h"

namespace marlix {

namespace fs = std::filesystem;

Result<fs::path> DataFolderPath() {
    // The base directory rules say a relative XDG_DATA_HOME is invalid and to be ignored.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME");
        dataHome != nullptr && *dataHome == '/')
        return fs::path(dataHome) / "marlix";
    fs::path home;
    if (const char* value = std::getenv("HOME"); value != nullptr && *value != '\0') {
        home = value;
    } else if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir) {
        home = entry->pw_dir;
    }
    if (!home.is_absolute())
        return Status::failure("the home folder is unknown: HOME is not set");
    return home / ".local" / "share" / "marlix";
}

std::vector<std::string> DesktopLanguages() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    std::string locale = variable("LC_ALL");
    if (locale.empty())
        locale = variable("LC_MESSAGES");
    if (locale.empty())
        locale = variable("LANG");
    // The "C" locale turns translations off whatever LANGUAGE says.
    if (locale.empty() || locale == "C" || locale.rfind("C.", 0) == 0 || locale == "POSIX")
        return {};
    std::vector<std::string> languages;
    const std::string list = variable("LANGUAGE");
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start)
            languages.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    languages.push_back(locale);
    return languages;
}

Status EnterFolder(const fs::path& folder) {
    // Folders created here are the user's alone (0700), as the base directory rules ask; existing
    // ones keep their permissions.
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            const int reason = errno;
            return Status::failure("cannot create " + PathToUtf8(partial) + ": " +
                                   ErrnoText(reason));
        }
    }
    if (::chdir(folder.c_str()) != 0) {
        const int reason = errno;
        return Status::failure("cannot change into " + PathToUtf8(folder) + ": " +
                               ErrnoText(reason));
    }
    return Status::success();
}

}  // namespace marlix

#include "gui/app/start_options.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "core/platform/text.h"
#include "marlix_version.h"

#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace marlix {

namespace fs = std::filesystem;

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

#ifdef _WIN32

Result<fs::path> DataFolderPath() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (local == nullptr || *local == L'\0')
        return Status::failure("LOCALAPPDATA is not set");
    return fs::path(local) / L"marlix";
}

Status EnterFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return Status::failure("cannot create " + PathToUtf8(folder) + ": " + error.message());
    fs::current_path(folder, error);
    if (error)
        return Status::failure("cannot change into " + PathToUtf8(folder) + ": " + error.message());
    return Status::success();
}

#else

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

#endif

}  // namespace marlix

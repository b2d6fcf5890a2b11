// The data folder, entering it and the user's language, on Windows.
#include <windows.h>

#include <cstdlib>
#include <system_error>

#include "core/platform/text.h"
#include "gui/app/start_options.h"

namespace marlix {

namespace fs = std::filesystem;

Result<fs::path> DataFolderPath() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (local == nullptr || *local == L'\0')
        return Status::failure("LOCALAPPDATA is not set");
    return fs::path(local) / L"marlix";
}

std::vector<std::string> DesktopLanguages() {
    // The language the user reads Windows in, as "de-DE".
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID id = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (LCIDToLocaleName(id, name, LOCALE_NAME_MAX_LENGTH, 0) == 0)
        return {};
    std::string language;
    for (const wchar_t* c = name; *c != L'\0'; ++c) language += static_cast<char>(*c & 0x7f);
    return {language};
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

}  // namespace marlix

// The data folder and entering it, on Windows.
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

#include "core/export/camera_conf.h"

#include "core/pages/page_logic.h"
#include "core/platform/abandonable_work.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A write's outcome as its child process tells it: "<code> <length>\n<message>".
std::string encodeStatus(const Status& status) {
    return std::to_string(static_cast<int>(status.code())) + " " +
           std::to_string(status.message().size()) + "\n" + status.message();
}

// nullopt for anything but a whole report.
std::optional<Status> decodeStatus(std::string_view told) {
    int code = -1;
    std::size_t length = 0;
    const std::size_t space = told.find(' '), end = told.find('\n');
    if (space == std::string_view::npos || end == std::string_view::npos || space > end)
        return std::nullopt;
    const auto number = [](std::string_view digits, auto& value) {
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        value = 0;
        for (const char c : digits) value = value * 10 + (c - '0');
        return true;
    };
    if (!number(told.substr(0, space), code) ||
        !number(told.substr(space + 1, end - space - 1), length) ||
        code > static_cast<int>(ErrorCode::Unsupported) || told.size() - end - 1 != length) {
        return std::nullopt;
    }
    if (code == static_cast<int>(ErrorCode::None))
        return length == 0 ? std::optional(Status::success()) : std::nullopt;
    return Status::failure(std::string(told.substr(end + 1)), static_cast<ErrorCode>(code));
}

void appendLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key);
    text.push_back('=');
    text.append(value);
    text.append(kLineEnd);
}

}  // namespace

std::string_view CameraConfOptionText(Setting setting, OptionIndex index) {
    if (index < 0 || index >= OptionCount(setting, OptionScope::Camera))
        index = DefaultOptionIndex(setting);
    return OptionText(setting, index);
}

void AppendSettingLine(Setting setting, OptionIndex index, std::string& text) {
    appendLine(text, RowOf(setting).name, CameraConfOptionText(setting, index));
}

std::string BuildCameraConf(const ProfileSelections& s, std::string_view clockText) {
    std::string text;
    text.reserve(640);
    text.append(kCameraConfFirstLine);
    text.append(kLineEnd);
    for (const Setting setting : kCameraConfOrder) {
        // Of burst and auto shoot, the one not chosen last is written as "off" when both are on.
        const OptionIndex index = setting == Setting::AutoShoot    ? AutoShootForExport(s.photo)
                                  : setting == Setting::PhotoBurst ? PhotoBurstForExport(s.photo)
                                                                   : SelectionField(s, setting);
        AppendSettingLine(setting, index, text);
    }
    if (s.system.m_syncClock != 0)
        appendLine(text, kCameraConfClockKey, clockText);
    return text;
}

Result<std::string> LocalClockText(std::time_t now) {
    std::tm local{};
    if (const int error = camera_conf_detail::ToLocalTime(now, local); error != 0) {
        return Status::failure("Cannot convert the current time to local time for camera.conf: " +
                               ErrnoText(error));
    }
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    if (n != kClockTextLength) {
        return Status::failure("The local time \"" + std::string(buffer, n) +
                               "\" does not fit the camera's clock format YYYY-MM-DD hh:mm:ss");
    }
    return std::string(buffer, n);
}

Status WriteCameraConf(const std::filesystem::path& root, std::string_view bytes,
                       std::optional<std::uint64_t> cardDevice,
                       const std::function<void()>& started) {
    AtomicWriteOptions options;
    // Whatever a link on the card points at (the computer's own files, say) is not ours to
    // replace.
    options.followSymlink = false;
    options.recheckAfterRename = true;
    options.folderDevice = cardDevice;
    // A card is written by one program at a time: a temporary file of camera.conf found on it
    // was left by a write that was cut off.
    options.removeStaleTemporaries = true;
    const std::filesystem::path target = root / kCameraConfName;
    const WorkOutcome outcome = RunAbandonable(
        [target, bytes = std::string(bytes), options] {
            EndWritesCleanlyOnSignals();
            return encodeStatus(AtomicWriteFile(target, bytes, options));
        },
        kCardWriteDeadline, started);
    const std::string shownRoot = PathToUtf8(root.empty() ? std::filesystem::path(".") : root);
    switch (outcome.ended) {
        case WorkOutcome::Ended::Told:
            if (std::optional<Status> status = decodeStatus(outcome.told))
                return *status;
            break;
        case WorkOutcome::Ended::Late:
            return Status::failure(
                "The card \"" + shownRoot +
                    "\" does not answer; camera.conf may not have been written (the write did " +
                    "not end within " + std::to_string(kCardWriteDeadline.count() / 1000) +
                    " seconds)",
                ErrorCode::NotAnswering);
        case WorkOutcome::Ended::Silently:
            break;
    }
    return Status::failure("Cannot write \"" + PathToUtf8(target) +
                           "\": the write ended without telling how it went; camera.conf may " +
                           "not have been written");
}

Status WriteCameraConfFile(const std::filesystem::path& file, std::string_view bytes) {
    auto kind = ProbeFile(file);
    if (!kind)
        return kind.status();
    switch (*kind) {
        case FileKind::Fifo:
        case FileKind::CharacterDevice:
            // A pipe, a terminal, /dev/stdout: the bytes go straight in. Renaming a file over it
            // would replace the device node or the link to it.
            return WriteIntoStream(file, bytes);
        case FileKind::Missing:
        case FileKind::Regular:
            break;
        default:
            return Status::failure("Cannot write \"" + PathToUtf8(file) +
                                       "\": not a regular file, a pipe or a character device",
                                   ErrorCode::NotRegularFile);
    }
    // A link is written through to the file it leads to, and only where following its text
    // really leads there: /proc/self/fd links name files that may be deleted or elsewhere.
    const std::filesystem::path target = ResolveLinks(file);
    if (*kind == FileKind::Regular && target != file && !SameFile(target, file)) {
        return Status::failure("Cannot write \"" + PathToUtf8(file) +
                                   "\": it is a link that does not lead to a file by its name",
                               ErrorCode::NotRegularFile);
    }
    AtomicWriteOptions options;
    options.followSymlink = true;
    options.recheckAfterRename = true;
    return AtomicWriteFile(file, bytes, options);
}

}  // namespace marlix

#include "core/export/camera_conf.h"

#include <utility>

#include "core/devices/card_conf.h"
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

// Reads a number of at most 9 digits.
template <typename T>
bool number(std::string_view digits, T& value) {
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    value = 0;
    for (const char c : digits) value = value * 10 + static_cast<T>(c - '0');
    return true;
}

// One "<number> <length>\n<bytes>" piece from the front of `told`, which loses it; nullopt
// when it is not whole.
std::optional<std::pair<int, std::string_view>> takePiece(std::string_view& told) {
    int first = -1;
    std::size_t length = 0;
    const std::size_t space = told.find(' '), end = told.find('\n');
    if (space == std::string_view::npos || end == std::string_view::npos || space > end ||
        !number(told.substr(0, space), first) ||
        !number(told.substr(space + 1, end - space - 1), length) ||
        told.size() - end - 1 < length) {
        return std::nullopt;
    }
    const std::string_view bytes = told.substr(end + 1, length);
    told.remove_prefix(end + 1 + length);
    return std::pair{first, bytes};
}

// nullopt for anything but a whole report.
std::optional<Status> takeStatus(std::string_view& told) {
    const auto piece = takePiece(told);
    if (!piece || piece->first > static_cast<int>(ErrorCode::Unsupported))
        return std::nullopt;
    const auto [code, message] = *piece;
    if (code == static_cast<int>(ErrorCode::None))
        return message.empty() ? std::optional(Status::success()) : std::nullopt;
    return Status::failure(std::string(message), static_cast<ErrorCode>(code));
}

// What stood at camera.conf before a write: 0 nothing, 1 a file of these bytes, 2 something
// that cannot be put back.
std::string encodeBefore(const CardConf& conf) {
    const int state = conf.kind == CardConfKind::Missing ? 0
                      : conf.kind == CardConfKind::Read && conf.bytes.size() <= kCameraConfKeptLimit
                          ? 1
                          : 2;
    const std::string_view bytes = state == 1 ? std::string_view(conf.bytes) : std::string_view();
    return std::to_string(state) + " " + std::to_string(bytes.size()) + "\n" + std::string(bytes);
}

std::optional<CameraConfBefore> takeBefore(std::string_view& told) {
    const auto piece = takePiece(told);
    if (!piece || piece->first > 2)
        return std::nullopt;
    CameraConfBefore before;
    before.restorable = piece->first != 2;
    if (piece->first == 1)
        before.bytes = std::string(piece->second);
    return before;
}

AtomicWriteOptions cardWriteOptions(std::optional<std::uint64_t> cardDevice) {
    AtomicWriteOptions options;
    // Whatever a link on the card points at (the computer's own files, say) is not ours to
    // replace.
    options.followSymlink = false;
    options.recheckAfterRename = true;
    options.folderDevice = cardDevice;
    // A card is written by one program at a time: a temporary file of camera.conf found on it
    // was left by a write that was cut off.
    options.removeStaleTemporaries = true;
    return options;
}

// Runs the work on the card away from the caller, with the card's deadline: what it told, or
// why it told nothing. `doing` names the work ("the write"), `what` what may then not have
// happened ("camera.conf may not have been written").
Result<std::string> runOnCard(const std::filesystem::path& root, std::function<std::string()> work,
                              const std::function<void()>& started, std::string_view doing,
                              std::string_view what) {
    const WorkOutcome outcome = RunAbandonable(std::move(work), kCardWriteDeadline, started);
    const std::string shownRoot = PathToUtf8(root.empty() ? std::filesystem::path(".") : root);
    switch (outcome.ended) {
        case WorkOutcome::Ended::Told:
            return outcome.told;
        case WorkOutcome::Ended::Late:
            return Status::failure(
                "The card \"" + shownRoot + "\" does not answer; " + std::string(what) + " (" +
                    std::string(doing) + " did not end within " +
                    std::to_string(kCardWriteDeadline.count() / 1000) + " seconds)",
                ErrorCode::NotAnswering);
        case WorkOutcome::Ended::Silently:
            break;
    }
    return Status::failure("Cannot write \"" + PathToUtf8(root / kCameraConfName) +
                           "\": the work on the card ended without telling how it went; " +
                           std::string(what));
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

Result<std::string> BuildCameraConfNow(const ProfileSelections& s) {
    std::string clockText;
    if (s.system.m_syncClock != 0) {
        auto clock = LocalClockText(std::time(nullptr));
        if (!clock)
            return clock.status();
        clockText = *clock;
    }
    return BuildCameraConf(s, clockText);
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
                       const std::function<void()>& started, CameraConfBefore* before) {
    const std::filesystem::path target = root / kCameraConfName;
    const bool readBefore = before != nullptr;
    auto told = runOnCard(
        root,
        [root, target, bytes = std::string(bytes), options = cardWriteOptions(cardDevice),
         readBefore] {
            EndWritesCleanlyOnSignals();
            // Read as the drive probe reads it, so that what Set replaced can be put back.
            const std::string found =
                readBefore ? encodeBefore(ReadCardConf(PathToUtf8(root))) : std::string();
            return encodeStatus(AtomicWriteFile(target, bytes, options)) + found;
        },
        started, "the write", "camera.conf may not have been written");
    if (!told)
        return told.status();
    std::string_view report = *told;
    std::optional<Status> status = takeStatus(report);
    std::optional<CameraConfBefore> found;
    if (status && readBefore)
        found = takeBefore(report);
    if (!status || (readBefore && !found) || !report.empty()) {
        return Status::failure("Cannot write \"" + PathToUtf8(target) +
                               "\": the write ended without telling how it went; camera.conf " +
                               "may not have been written");
    }
    if (status->ok() && before)
        *before = std::move(*found);
    return *status;
}

Status RestoreCameraConf(const std::filesystem::path& root,
                         const std::optional<std::string>& previous, std::string_view written,
                         std::optional<std::uint64_t> cardDevice,
                         const std::function<void()>& started) {
    const std::filesystem::path target = root / kCameraConfName;
    auto told = runOnCard(
        root,
        [root, target, previous, written = std::string(written), cardDevice] {
            EndWritesCleanlyOnSignals();
            const auto refused = [&](std::string why, ErrorCode code) {
                return encodeStatus(Status::failure("Cannot put back the earlier \"" +
                                                        PathToUtf8(target) + "\": " + why +
                                                        "; nothing was changed",
                                                    code));
            };
            const std::filesystem::path folder =
                target.has_parent_path() ? target.parent_path() : ".";
            if (cardDevice && !camera_conf_detail::FolderOnDevice(folder, *cardDevice)) {
                return refused("the card there is no longer the one it was written to",
                               ErrorCode::DriveGone);
            }
            const CardConf now = ReadCardConf(PathToUtf8(root));
            if (now.kind != CardConfKind::Read || now.bytes != written) {
                return refused(now.kind == CardConfKind::Missing
                                   ? "it has been removed since it was written"
                                   : "it has been changed since it was written",
                               ErrorCode::InvalidValue);
            }
            if (!previous)
                return encodeStatus(camera_conf_detail::RemoveFileDurably(target));
            return encodeStatus(AtomicWriteFile(target, *previous, cardWriteOptions(cardDevice)));
        },
        started, "putting it back", "camera.conf may not have been put back");
    if (!told)
        return told.status();
    std::string_view report = *told;
    std::optional<Status> status = takeStatus(report);
    if (!status || !report.empty()) {
        return Status::failure("Cannot put back the earlier \"" + PathToUtf8(target) +
                               "\": the work on the card ended without telling how it went; " +
                               "camera.conf may not have been put back");
    }
    return *status;
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

// camera.conf: the text the camera takes its settings from, and writing it onto a card.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/pages/page_fields.h"
#include "core/platform/result.h"
#include "core/schema/setting_rows.h"

namespace marlix {

inline constexpr std::string_view kCameraConfName = "camera.conf";
inline constexpr std::string_view kCameraConfFirstLine = "enable_cfg=true";
inline constexpr std::string_view kCameraConfClockKey = "sync_clock";
// The layout of the clock text, "YYYY-MM-DD hh:mm:ss".
inline constexpr std::size_t kClockTextLength = 19;

// The option text written for an index: the key's default when the index lies outside its table.
std::string_view CameraConfOptionText(Setting setting, OptionIndex index);

// Appends "key=option" and CR LF. An index outside the key's option table never comes from the
// pages; should one arrive anyway, the key's default option is written, so the camera gets a
// line it understands instead of whatever lies beyond the table.
void AppendSettingLine(Setting setting, OptionIndex index, std::string& text);

// The whole file: "enable_cfg=true", the 28 setting lines in camera order, and the clock line
// when the clock flag is set. Of auto shoot and burst, the one not chosen last (per the Photo
// interlock flags) is written as "off" when both hold a choice; the selections are not changed.
std::string BuildCameraConf(const ProfileSelections& s, std::string_view clockText);

// The local time as "YYYY-MM-DD hh:mm:ss". Fails when the time cannot be converted or does not
// fit that layout (a year of other than four digits), so no clock line the camera cannot read is
// built.
Result<std::string> LocalClockText(std::time_t now);
// The whole file as Set writes it now: with the clock line of this moment when the clock flag is
// set (a failure when the time cannot be told).
Result<std::string> BuildCameraConfNow(const ProfileSelections& s);

// How long writing camera.conf onto a card may take before the card is taken for one that does
// not answer. A card that answers does it in well under a second.
inline constexpr std::chrono::milliseconds kCardWriteDeadline{10000};

// camera.conf on a card as a write found it just before replacing it.
struct CameraConfBefore {
    // False where it cannot be put back from bytes: a link, a folder or another file that is no
    // regular one stood there, or a file that could not be read or was too large to keep (a
    // camera.conf is a few hundred bytes; past kCameraConfKeptLimit it is not kept).
    bool restorable = false;
    std::optional<std::string> bytes;  // nullopt: there was no camera.conf
};
inline constexpr std::size_t kCameraConfKeptLimit = 32768;

// Replaces root/camera.conf with the bytes, atomically, and reads it back. The root is a mount
// point ending in a separator (empty: the working directory). A camera.conf that is a symbolic
// link is replaced by a regular file, never followed off the card. With cardDevice, the root
// must still be on that device (the card's mount, as the drive scan found it): a card unmounted
// meanwhile fails with ErrorCode::DriveGone instead of filling its empty mount point on the
// computer's own disk. The temporary files of earlier writes that were cut off are removed
// first.
//
// A card can stop answering while it is written (a failing card or reader): the write runs away
// from the caller (abandonable_work.h), which gets ErrorCode::NotAnswering once the deadline has
// passed, and success only when the write reported itself done and read back. A signal that ends
// the write or the program that started it takes the temporary file with it. `started`: see
// RunAbandonable. `before`, when given, is set on success to what the file was just before, as
// the same work read it (not following a link, at most kCameraConfKeptLimit bytes).
Status WriteCameraConf(const std::filesystem::path& root, std::string_view bytes,
                       std::optional<std::uint64_t> cardDevice = std::nullopt,
                       const std::function<void()>& started = {},
                       CameraConfBefore* before = nullptr);
// Undoes a WriteCameraConf that wrote `written`: puts `previous` back with the same atomic,
// verified write and deadline, or, when there was no file (nullopt), removes the one the write
// made. Only while the root is still on cardDevice (else ErrorCode::DriveGone: another card, or
// none) and its camera.conf still holds exactly `written` (else ErrorCode::InvalidValue: it was
// changed or removed since); a refusal writes nothing and says why.
Status RestoreCameraConf(const std::filesystem::path& root,
                         const std::optional<std::string>& previous, std::string_view written,
                         std::optional<std::uint64_t> cardDevice = std::nullopt,
                         const std::function<void()>& started = {});
// marlix-cli's --output: a regular file (or a link to one) is replaced atomically and read back;
// a pipe or character device (/dev/stdout, a terminal, a named pipe) is written straight into;
// anything else is refused.
Status WriteCameraConfFile(const std::filesystem::path& file, std::string_view bytes);

namespace camera_conf_detail {
// The local time of `now` into `local`: 0, or the errno value of the failure. In the system's file
// (camera_conf_posix.cpp, camera_conf_win32.cpp).
int ToLocalTime(std::time_t now, std::tm& local);
// Whether the folder is on the device of that system's number: false when it cannot be told;
// always true on Windows, which has no such number (as AtomicWriteOptions::folderDevice).
bool FolderOnDevice(const std::filesystem::path& folder, std::uint64_t device);
// Removes a file (a link itself, never what it leads to) and makes the removal durable; the
// failure names the file and the system's reason.
Status RemoveFileDurably(const std::filesystem::path& file);
}  // namespace camera_conf_detail

}  // namespace marlix

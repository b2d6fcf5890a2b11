// Commands on a camera.conf alone; they never open the profile file.
#include <cstdint>
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/escaped_text.h"
#include "export/camera_conf_reader.h"
#include "platform/files/file_io.h"
#include "platform/text.h"

namespace marlix {

namespace {

void reportProblems(const Invocation& in, const std::string& file,
                    const CameraConfReading& reading) {
    for (const CameraConfProblem& p : reading.problems) {
        // The reader has already made the message's quoted texts safe to print.
        in.err << EscapedText(file);
        if (p.line != 0)
            in.err << ":" << p.line;
        in.err << ": " << p.message << "\n";
    }
}

// A camera.conf is a few hundred bytes; anything far larger, or anything that is not a regular
// file (a FIFO would block, a device would never end), is refused before it is read.
constexpr std::uintmax_t kCameraConfReadLimit = 1 << 20;

Result<std::string> readCameraConfBytes(const std::string& file) {
    const std::filesystem::path path = PathFromUtf8(file);
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return Status::failure("Cannot read \"" + file + "\": not a regular file");
    if (const auto size = std::filesystem::file_size(path, error);
        !error && size > kCameraConfReadLimit) {
        return Status::failure("Cannot read \"" + file + "\": " + std::to_string(size) +
                               " bytes is far more than a camera.conf holds");
    }
    return ReadWholeFile(path);
}

}  // namespace

Result<CameraConfReading> ReadCameraConfFile(const Invocation& in, const std::string& file) {
    auto bytes = readCameraConfBytes(file);
    if (!bytes)
        return bytes.status();
    CameraConfReading reading = ReadCameraConf(*bytes);
    if (!reading.valid()) {
        reportProblems(in, file, reading);
        return Status::failure(file + ": not a valid camera.conf (" +
                               std::to_string(reading.problems.size()) + " problem" +
                               (reading.problems.size() == 1 ? "" : "s") + ")");
    }
    return reading;
}

int RunCheck(Invocation& in) {
    auto reading = ReadCameraConfFile(in, in.arguments[0]);
    if (!reading)
        return in.fail(reading.status());
    in.out << EscapedText(in.arguments[0]) << ": no problems\n";
    return kExitSuccess;
}

}  // namespace marlix

// Commands on a camera.conf alone; they never open the profile file.
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "core/export/camera_conf_reader.h"
#include "core/platform/escaped_text.h"
#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

// Every problem a file of a camera.conf's own length can have (each line wrong and every key
// missing) is printed; of a file far longer, whose problems would scroll for minutes, the first
// ones and their count.
constexpr std::size_t kProblemsPrinted = 100;

void reportProblems(const Invocation& in, const std::string& file,
                    const CameraConfReading& reading) {
    for (const CameraConfProblem& p : reading.problems) {
        // The reader has already made the message's quoted texts safe to print.
        in.err << EscapedText(file);
        if (p.line != 0)
            in.err << ":" << p.line;
        in.err << ": " << p.message << "\n";
    }
    if (const std::string more = reading.moreProblemsText(); !more.empty())
        in.err << EscapedText(file) << ": " << more << "\n";
}

// Anything far larger than a camera.conf, or anything that is not a regular file (a FIFO would
// block, a device would never end), is refused.
Result<std::string> readCameraConfBytes(const std::string& file) {
    auto bytes = ReadWholeFile(PathFromUtf8(file), kCameraConfReadLimit);
    if (!bytes && bytes.code() == ErrorCode::TooLarge) {
        return bytes.status().withMessage("Cannot read \"" + file + "\": it is larger than " +
                                          std::to_string(kCameraConfReadLimit) +
                                          " bytes, far more than a camera.conf holds");
    }
    return bytes;
}

}  // namespace

Result<CameraConfReading> ReadCameraConfFile(const Invocation& in, const std::string& file) {
    auto bytes = readCameraConfBytes(file);
    if (!bytes)
        return bytes.status();
    CameraConfReading reading = ReadCameraConf(*bytes, kProblemsPrinted);
    if (!reading.valid()) {
        reportProblems(in, file, reading);
        return Status::failure(file + ": not a valid camera.conf (" +
                               std::to_string(reading.problemCount) + " problem" +
                               (reading.problemCount == 1 ? "" : "s") + ")");
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
